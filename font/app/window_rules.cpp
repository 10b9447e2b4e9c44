// Menu states, help texts and the tool bar of the font converter.
#include "font/app/window_rules.h"

#include <cstdio>
#include <cstring>

#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/glyphor_app.h"
#include "font/model/current_font.h"

namespace {

struct HelpEntry {
  unsigned Id;
  const char* pText;
};

const HelpEntry s_aHelp[] = {
    {520, "Open font dialog"},
    {521, "Save the font data"},
    {522, "Save the font data to a different file"},
    {523, "Load a font 'C' file"},
    {525, "Merges a font 'C' file"},
    {524, "Load a font 'XBF' file"},
    {526, "Merges a font 'XBF' file"},
    {527, "Load a 'BDF' font file"},
    {528, "Ends the program"},
    {540, "Insert a column at the right side of the current character"},
    {541, "Insert a column at the left side of the current character"},
    {542, "Insert a row at the top of the font/character"},
    {543, "Insert a row at the bottom of the font/character"},
    {560, "Delete a column at the right side of the current character"},
    {561, "Delete a column at the left side of the current character"},
    {562, "Delete a row from the top of the font/character"},
    {563, "Delete a row from the bottom of the font/character"},
    {580, "Shift pixel data to the right"},
    {581, "Shift pixel data to the left"},
    {582, "Shift pixel data up"},
    {583, "Shift pixel data down"},
    {600, "Move the character to the right"},
    {601, "Move the character to the left"},
    {602, "Move the character one pixel up"},
    {603, "Move the character one pixel down"},
    {620, "Increase cursor distance"},
    {621, "Decrease cursor distance"},
    {660, "Toggle the activation of the current character"},
    {680, "Increase the index of the current pixel"},
    {681, "Decrease the index of the current pixel"},
    {682, "Invert the index of the current pixel"},
    {700, "Set the current pixel to index 0"},
    {701, "Set the current pixel to index 1"},
    {702, "Set the current pixel to index 2"},
    {703, "Set the current pixel to index 3"},
    {704, "Set the current pixel to index 4"},
    {705, "Set the current pixel to index 5"},
    {706, "Set the current pixel to index 6"},
    {707, "Set the current pixel to index 7"},
    {708, "Set the current pixel to index 8"},
    {709, "Set the current pixel to index 9"},
    {710, "Set the current pixel to index 10"},
    {711, "Set the current pixel to index 11"},
    {712, "Set the current pixel to index 12"},
    {713, "Set the current pixel to index 13"},
    {714, "Set the current pixel to index 14"},
    {715, "Set the current pixel to index 15"},
    {720, "Enable the characters of the given area"},
    {721, "Disable the characters of the given area"},
    {722, "Disable all characters"},
    {740, "Enable the characters of the given pattern file"},
    {741, "Save the currently enabled characters to a pattern file"},
    {760, "Show enabled characters only"},
    {800, "Show the about box"},
    {640, "Insert a row at the top of the font"},
    {641, "Insert a row at the bottom of the font"},
    {642, "Delete a row from the top of the font"},
    {643, "Delete a row from the bottom of the font"},
    {801, "Show a list of commands"},
};

bool in(unsigned id, unsigned first, unsigned last) { return id >= first && id <= last; }

bool is_move_group(unsigned id) {
  return in(id, GLYPHOR_ID_MOVE_RIGHT, GLYPHOR_ID_MOVE_DOWN) || in(id, GLYPHOR_ID_CURSOR_INC, GLYPHOR_ID_CURSOR_DEC) ||
         in(id, GLYPHOR_ID_HEIGHT_INSERT_TOP, GLYPHOR_ID_HEIGHT_DELETE_BOTTOM);
}

bool is_document_group(unsigned id) {
  return id == GLYPHOR_ID_SAVE || id == GLYPHOR_ID_SAVE_AS || in(id, GLYPHOR_ID_INSERT_RIGHT, GLYPHOR_ID_INSERT_BOTTOM) ||
         in(id, GLYPHOR_ID_DELETE_RIGHT, GLYPHOR_ID_DELETE_BOTTOM) || in(id, GLYPHOR_ID_SHIFT_RIGHT, GLYPHOR_ID_SHIFT_DOWN) ||
         in(id, GLYPHOR_ID_ENABLE_RANGE, GLYPHOR_ID_DISABLE_ALL) || in(id, GLYPHOR_ID_READ_PATTERN, GLYPHOR_ID_SAVE_PATTERN) ||
         id == GLYPHOR_ID_ENABLED_ONLY || in(id, GLYPHOR_ID_DISABLE_BLOCK, GLYPHOR_ID_ENABLE_BLOCK);
}

bool type_has_index(int type, int value) {
  if (value <= 1) return true;
  if (value <= 3)
    return type == FONT_TYPE_AA2 || type == FONT_TYPE_AA4 || type == FONT_TYPE_EXT_AA2 || type == FONT_TYPE_EXT_AA4;
  return type == FONT_TYPE_AA4 || type == FONT_TYPE_EXT_AA4;
}

}  // namespace

GlyphorMenuInputs GLYPHOR_MenuInputs(int activeView) {
  GlyphorMenuInputs inputs;
  const FontDoc* doc = FONT_GetCurrent();
  inputs.HasDoc = doc != nullptr;
  inputs.Type = doc ? doc->Type : FONT_TYPE_STD;
  inputs.ActiveView = activeView;
  inputs.EnabledOnly = GLYPHOR_IsEnabledOnlyView();
  return inputs;
}

bool GLYPHOR_IsMenuEnabled(unsigned id, const GlyphorMenuInputs& i) {
  if (is_document_group(id)) return i.HasDoc;
  if (is_move_group(id)) return i.HasDoc && (i.Type == FONT_TYPE_EXT || i.Type == FONT_TYPE_EXT_FRM);
  if (id == GLYPHOR_ID_TOGGLE_CHAR) return i.HasDoc && i.ActiveView == GLYPHOR_VIEW_OVERVIEW;
  if (in(id, GLYPHOR_ID_PIXEL_INC, GLYPHOR_ID_PIXEL_INVERT))
    return i.HasDoc && i.ActiveView == GLYPHOR_VIEW_CHAR;
  if (in(id, GLYPHOR_ID_PIXEL_SET_0, GLYPHOR_ID_PIXEL_SET_15))
    return i.HasDoc && i.ActiveView == GLYPHOR_VIEW_CHAR &&
           type_has_index(i.Type, static_cast<int>(id - GLYPHOR_ID_PIXEL_SET_0));
  return true;
}

bool GLYPHOR_IsMenuChecked(unsigned id, const GlyphorMenuInputs& i) {
  return id == GLYPHOR_ID_ENABLED_ONLY && !i.EnabledOnly;
}

bool GLYPHOR_IsToolEnabled(unsigned id, const GlyphorMenuInputs& i) {
  if (id == GLYPHOR_ID_NEW) return true;
  if (is_move_group(id)) return i.HasDoc && FONT_IsExtended(i.Type);
  return i.HasDoc;
}

bool GLYPHOR_IsToolChecked(unsigned id, const GlyphorMenuInputs& i) {
  return id == GLYPHOR_ID_ENABLED_ONLY && i.EnabledOnly;
}

const char* GLYPHOR_MenuHelp(unsigned id) {
  for (const HelpEntry& e : s_aHelp)
    if (e.Id == id) return e.pText;
  return "Ready";
}

const unsigned GLYPHOR_aToolBar[GLYPHOR_TOOL_BUTTONS] = {
    0,   520, 521, 0,   540, 541, 542, 543, 0,   560, 561, 562, 563, 0,   580, 581, 582,
    583, 0,   600, 601, 602, 603, 0,   640, 641, 642, 643, 0,   620, 621, 0,   760,
};

std::string GLYPHOR_WindowTitle(const FontDoc* doc) {
  std::string name = "Untitled";
  if (doc && doc->acPath[0]) {
    const char* path = doc->acPath;
    const char* slash = std::strrchr(path, '/');
    std::string base = slash ? slash + 1 : path;
    const size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0) base.erase(dot);
    if (!base.empty()) name = base;
  }
  return std::string(GLYPHOR_FullTitle()) + " - " + name;
}

std::string GLYPHOR_PixelStatus(int column, int row, int value) {
  char acText[64];
  std::snprintf(acText, sizeof(acText), "Index of pixel [ %d, %d ] = %d", column, row, value);
  return acText;
}
