// Menu commands of the font converter: each asks its dialog through the host and
// hands the answer to the operation the job commands use too.
#include <cstring>
#include <filesystem>
#include <string>

#include "common/cmdline/cmdline.h"
#include "font/app/command_ids.h"
#include "font/app/char_view_rules.h"
#include "font/app/command_table.h"
#include "font/app/commands.h"
#include "font/app/edit_operations.h"
#include "font/app/font_operations.h"
#include "font/app/glyphor_app.h"
#include "font/app/glyphor_host.h"
#include "font/app/option_dialogs.h"
#include "font/app/range_operations.h"
#include "font/formats/font_save.h"
#include "font/model/current_font.h"
#include "font/model/font_messages.h"
#include "font/model/pixel_value.h"

namespace {

bool s_exitRequested;
bool s_enabledOnly;
int s_saveFormat = FONT_FORMAT_C;       // the filter last chosen in Save As
FontRangeRequest s_lastRange{0, 0, 1};  // offered again by the range dialog

const FileFilter s_aAllFiles = {"All files (*.*)", "*"};

bool ask_open(const char* title, const char* filterText, const char* pattern, std::string* path) {
  const FileFilter filters[2] = {{filterText, pattern}, s_aAllFiles};
  FileDialogRequest r;
  r.pTitle = title;
  r.paFilters = filters;
  r.NumFilters = 2;
  if (!GLYPHOR_Host()->AskOpenFileName(&r)) return false;
  *path = r.Chosen;
  return true;
}

// Open dialog of a C or an XBF font file (load and merge).
bool ask_font_file(bool c, std::string* path) {
  return c ? ask_open("Select 'C' file", "'C'-files (*.c)", "*.c", path)
           : ask_open("Select 'XBF' file", "'XBF'-files (*.xbf)", "*.xbf", path);
}

void save_as(FontDoc* doc) {
  // The XBF filter only for the types an XBF file can hold.
  const bool xbf = doc->Type == FONT_TYPE_STD || FONT_IsExtended(doc->Type);
  static const FileFilter filters[3] = {{"C-files (*.c)", "*.c"},
                                        {"System independent font (*.sif)", "*.sif"},
                                        {"External binary font (*.xbf)", "*.xbf"}};
  static const char* const extensions[3] = {"c", "sif", "xbf"};
  FileDialogRequest r;
  r.pTitle = "Save font as";
  r.paFilters = filters;
  r.NumFilters = xbf ? 3 : 2;
  r.FilterIndex = s_saveFormat < r.NumFilters ? s_saveFormat : FONT_FORMAT_C;
  r.pDefaultExt = extensions[r.FilterIndex];
  r.InitialName = doc->acPath[0]
                      ? std::string(doc->acPath)
                      : std::string(doc->Lf.acFaceName, strnlen(doc->Lf.acFaceName, FONT_FACE_CHARS)) +
                            std::to_string(doc->Height);
  if (!GLYPHOR_Host()->AskSaveFileName(&r)) return;
  if (r.FilterIndex < 0 || r.FilterIndex >= r.NumFilters) r.FilterIndex = FONT_FORMAT_C;
  s_saveFormat = r.FilterIndex;
  FONTOP_SaveAs(FontSaveRequest{r.Chosen, s_saveFormat, true});
}

void file_command(unsigned id, unsigned) {
  switch (id) {
    case GLYPHOR_ID_NEW: {
      FontCreateRequest r;
      // The chooser depends on the type and encoding: the options dialog comes first.
      if (GLYPHOR_Host()->AskGenerationOptions(&r) && GLYPHOR_Host()->AskFont(&r)) FONTOP_Create(r);
      break;
    }
    case GLYPHOR_ID_SAVE:
      if (FontDoc* doc = FONTOP_RequireFont()) {
        if (doc->acPath[0])
          FONTOP_SaveAs(FontSaveRequest{doc->acPath, s_saveFormat, false});
        else
          save_as(doc);
      }
      break;
    case GLYPHOR_ID_SAVE_AS:
      if (FontDoc* doc = FONTOP_RequireFont()) save_as(doc);
      break;
    case GLYPHOR_ID_LOAD_C:
    case GLYPHOR_ID_LOAD_XBF: {
      FontFileRequest r;
      if (ask_font_file(id == GLYPHOR_ID_LOAD_C, &r.Path)) FONTOP_LoadFile(r);
      break;
    }
    case GLYPHOR_ID_LOAD_BDF: {
      FontFileRequest r;
      if (ask_open("Select 'BDF' file", "'BDF'-files (*.bdf)", "*.bdf", &r.Path)) FONTOP_LoadFile(r);
      break;
    }
    case GLYPHOR_ID_MERGE_C:
    case GLYPHOR_ID_MERGE_XBF: {
      if (!FONTOP_RequireFont()) break;
      FontFileRequest r;
      if (ask_font_file(id == GLYPHOR_ID_MERGE_C, &r.Path)) FONTOP_Merge(r);
      break;
    }
    case GLYPHOR_ID_EXIT:
      s_exitRequested = true;
      GLYPHOR_Host()->Quit();
      break;
    default:
      break;
  }
}

// Save pattern file: the file dialog, then the question before replacing a file.
void save_pattern() {
  if (!FONTOP_RequireFont()) return;
  static const FileFilter filters[2] = {{"txt-files (*.txt)", "*.txt"}, s_aAllFiles};
  FileDialogRequest r;
  r.pTitle = "Save pattern file";
  r.paFilters = filters;
  r.NumFilters = 2;
  r.pDefaultExt = "txt";
  if (!GLYPHOR_Host()->AskSaveFileName(&r)) return;
  std::error_code ec;
  if (std::filesystem::exists(r.Chosen, ec) &&
      !GLYPHOR_Host()->AskYesNo("Question", FONTMSG_Text(FONTMSG_OVERWRITE)))
    return;
  FONTOP_SavePattern(FontFileRequest{r.Chosen});
}

void range_dialog(bool enable) {
  if (!FONTOP_RequireFont()) return;
  FontRangeRequest r = s_lastRange;
  r.State = enable ? 1 : 0;
  // The dialog opens again until the codes are in order or it is cancelled.
  for (;;) {
    if (!GLYPHOR_Host()->AskRange(&r)) return;
    s_lastRange.First = r.First;
    s_lastRange.Last = r.Last;
    if (r.First <= r.Last) break;
    FONTMSG_ReportMsg(FONTMSG_RANGE_ORDER);
  }
  FONTOP_EnableRange(r);
}

// The Pixel index menu, or a value key of the character view (param
// CHARVIEW_KEY_PARAM), at the character view's pixel cursor.
void pixel_command(unsigned id, unsigned param) {
  FontPixelRequest r;
  const PixelCursor cursor = GLYPHOR_GetPixelCursor();
  r.X = cursor.Column;
  r.Y = cursor.Row;
  if (id >= GLYPHOR_ID_PIXEL_SET_0 && param == CHARVIEW_KEY_PARAM) {
    r.Change = PIXEL_KEY;
    r.Value = static_cast<int>(id - GLYPHOR_ID_PIXEL_SET_0);
    r.FromKey = true;
  } else if (id >= GLYPHOR_ID_PIXEL_SET_0) {
    r.Change = PIXEL_SET;
    r.Value = static_cast<int>(id - GLYPHOR_ID_PIXEL_SET_0);
  } else {
    r.Change = id == GLYPHOR_ID_PIXEL_INC   ? PIXEL_INCREASE
               : id == GLYPHOR_ID_PIXEL_DEC ? PIXEL_DECREASE
                                            : PIXEL_INVERT;
  }
  FONTOP_ChangePixel(r);
}

void edit_command(unsigned id, unsigned param) {
  switch (id) {
    case GLYPHOR_ID_TOGGLE_CHAR:
      FONTOP_ToggleChar();
      break;
    case GLYPHOR_ID_DISABLE_BLOCK:
    case GLYPHOR_ID_ENABLE_BLOCK:
      FONTOP_EnableBlock(id == GLYPHOR_ID_ENABLE_BLOCK);
      break;
    case GLYPHOR_ID_ENABLE_RANGE:
    case GLYPHOR_ID_DISABLE_RANGE:
      range_dialog(id == GLYPHOR_ID_ENABLE_RANGE);
      break;
    case GLYPHOR_ID_DISABLE_ALL:
      FONTOP_DisableAll();
      break;
    case GLYPHOR_ID_READ_PATTERN: {
      if (!FONTOP_RequireFont()) break;
      FontFileRequest r;
      if (ask_open("Select pattern file", "txt-files (*.txt)", "*.txt", &r.Path)) FONTOP_ReadPattern(r);
      break;
    }
    case GLYPHOR_ID_SAVE_PATTERN:
      save_pattern();
      break;
    default:
      if (id >= GLYPHOR_ID_PIXEL_INC && id <= GLYPHOR_ID_PIXEL_SET_15)
        pixel_command(id, param);
      else if (FONTOP_GlyphEditOfId(id) >= 0)
        FONTOP_GlyphEdit(FontGlyphEditRequest{FONTOP_GlyphEditOfId(id), 1});
      break;
  }
}

void view_command(unsigned id, unsigned) {
  switch (id) {
    case GLYPHOR_ID_ENABLED_ONLY:
      if (!FONTOP_RequireFont()) break;
      s_enabledOnly = !s_enabledOnly;
      GLYPHOR_Host()->Redraw();
      break;
    case GLYPHOR_ID_ABOUT:
      GLYPHOR_Host()->ShowAbout(GLYPHOR_FullTitle());
      break;
    case GLYPHOR_ID_CMD_HELP:
      GLYPHOR_Host()->ShowHelp("CMD Help", CMDLINE_HelpText(GLYPHOR_aCommand).c_str());
      break;
    default:
      GLYPHOR_RunOptionDialog(id);
      break;
  }
}

}  // namespace

const GlyphorCommand GLYPHOR_aFileCommands[] = {
    {GLYPHOR_ID_NEW, GLYPHOR_ID_EXIT, file_command},
    {0, 0, nullptr},
};

const GlyphorCommand GLYPHOR_aEditCommands[] = {
    {GLYPHOR_ID_INSERT_RIGHT, GLYPHOR_ID_INSERT_BOTTOM, edit_command},
    {GLYPHOR_ID_DELETE_RIGHT, GLYPHOR_ID_DELETE_BOTTOM, edit_command},
    {GLYPHOR_ID_SHIFT_RIGHT, GLYPHOR_ID_SHIFT_DOWN, edit_command},
    {GLYPHOR_ID_MOVE_RIGHT, GLYPHOR_ID_MOVE_DOWN, edit_command},
    {GLYPHOR_ID_CURSOR_INC, GLYPHOR_ID_CURSOR_DEC, edit_command},
    {GLYPHOR_ID_HEIGHT_INSERT_TOP, GLYPHOR_ID_HEIGHT_DELETE_BOTTOM, edit_command},
    {GLYPHOR_ID_TOGGLE_CHAR, GLYPHOR_ID_ENABLE_BLOCK, edit_command},
    {GLYPHOR_ID_PIXEL_INC, GLYPHOR_ID_PIXEL_INVERT, edit_command},
    {GLYPHOR_ID_PIXEL_SET_0, GLYPHOR_ID_PIXEL_SET_15, edit_command},
    {GLYPHOR_ID_ENABLE_RANGE, GLYPHOR_ID_DISABLE_ALL, edit_command},
    {GLYPHOR_ID_READ_PATTERN, GLYPHOR_ID_SAVE_PATTERN, edit_command},
    {0, 0, nullptr},
};

const GlyphorCommand GLYPHOR_aViewCommands[] = {
    {GLYPHOR_ID_ENABLED_ONLY, GLYPHOR_ID_ENABLED_ONLY, view_command},
    {GLYPHOR_ID_OPT_COMPATIBILITY, GLYPHOR_ID_OPT_XBF, view_command},
    {GLYPHOR_ID_ABOUT, GLYPHOR_ID_CMD_HELP, view_command},
    {0, 0, nullptr},
};

bool GLYPHOR_IsExitRequested() { return s_exitRequested; }
void GLYPHOR_ResetCommandState() {
  s_exitRequested = false;
  s_enabledOnly = false;
  s_saveFormat = FONT_FORMAT_C;
  s_lastRange = FontRangeRequest{0, 0, 1};
  GLYPHOR_SetPixelCursor(PixelCursor{});
}
bool GLYPHOR_IsEnabledOnlyView() { return s_enabledOnly; }
