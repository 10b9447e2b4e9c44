// Operations of the font converter on the current font. Menu commands (after their
// dialogs) and job commands (after reading their arguments) call the same operation
// with a request; failures have been reported when they return false.
#pragma once

#include "font/app/font_requests.h"

// The current font, or null after reporting "No font data".
FontDoc* FONTOP_RequireFont();

bool FONTOP_Create(const FontCreateRequest& request);
bool FONTOP_SaveAs(const FontSaveRequest& request);
// Enables (State 1) or disables (0) First..Last, logs the range and redraws. Codes
// outside 0..0xFFFF and a state other than 0 or 1 are reported and change nothing.
bool FONTOP_EnableRange(const FontRangeRequest& request);
// Loads a ".xbf", ".c" or ".bdf" file as the current font.
bool FONTOP_LoadFile(const FontFileRequest& request);
// Toggles the current character and logs it.
bool FONTOP_ToggleChar();
void FONTOP_SetNoMessages();

// Merges a ".c" or ".xbf" file into the current font (its characters win).
bool FONTOP_Merge(const FontFileRequest& request);
