// Operations of the font converter on the current font. Menu commands (after their
// dialogs) and job commands (after reading their arguments) call the same operation
// with a request; failures have been reported when they return false.
#pragma once

#include "font/app/font_requests.h"

// The current font, or null after reporting "No font data".
FontDoc* FONTOP_RequireFont();

bool FONTOP_Create(const FontCreateRequest& request);
bool FONTOP_SaveAs(const FontSaveRequest& request);
// Enables (State 1) or disables (0) First..Last, logs the range and redraws.
bool FONTOP_EnableRange(const FontRangeRequest& request);
// Loads a ".xbf", ".c" or ".bdf" file as the current font.
bool FONTOP_LoadFile(const FontFileRequest& request);
// Toggles the current character and logs it.
bool FONTOP_ToggleChar();
void FONTOP_SetNoMessages();

// Merges a ".c" or ".xbf" file into the current font (its characters win).
bool FONTOP_Merge(const FontFileRequest& request);
// Operations of a later version: they check for a font and say they are not available.
bool FONTOP_Edit(const FontEditRequest& request);
bool FONTOP_ReadPattern(const FontFileRequest& request);
// Any other editing command of the menus (by identifier).
bool FONTOP_MenuNotBuilt(unsigned id);
