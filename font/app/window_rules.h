// Rules of the font converter's main window that need no pixels: menu and tool-bar
// states, the menu-help texts, the tool bar's buttons, the title and the status texts.
#pragma once

#include <string>

#include "font/model/font_doc.h"

enum GlyphorView { GLYPHOR_VIEW_OVERVIEW = 0, GLYPHOR_VIEW_CHAR = 1 };

struct GlyphorMenuInputs {
  bool HasDoc = false;
  int Type = FONT_TYPE_STD;
  int ActiveView = GLYPHOR_VIEW_OVERVIEW;
  bool EnabledOnly = false;
};

// The inputs of the current document, view and view mode.
GlyphorMenuInputs GLYPHOR_MenuInputs(int activeView);

bool GLYPHOR_IsMenuEnabled(unsigned id, const GlyphorMenuInputs& in);
// All Characters (760) carries a check mark in the all-characters mode.
bool GLYPHOR_IsMenuChecked(unsigned id, const GlyphorMenuInputs& in);
bool GLYPHOR_IsToolEnabled(unsigned id, const GlyphorMenuInputs& in);
// The enabled-only button (760) is pressed in the enabled-only mode.
bool GLYPHOR_IsToolChecked(unsigned id, const GlyphorMenuInputs& in);

// Status text of a highlighted menu item and tool tip of a button; "Ready" for
// commands without an entry.
const char* GLYPHOR_MenuHelp(unsigned id);

enum { GLYPHOR_TOOL_BUTTONS = 33, GLYPHOR_TOOL_SEPARATOR = 0 };
// The tool bar from left to right; 0 for a separator.
extern const unsigned GLYPHOR_aToolBar[GLYPHOR_TOOL_BUTTONS];

// "Zentile-FontConvert V5.46 - name" with the base name of the font's file, or
// "Untitled" when it has none (or there is no font).
std::string GLYPHOR_WindowTitle(const FontDoc* doc);
// "Index of pixel [ 3, 7 ] = 1"
std::string GLYPHOR_PixelStatus(int column, int row, int value);
