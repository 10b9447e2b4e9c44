// Command handlers of the font converter. Each handler reads its arguments with the
// job engine's readers, checks every separator and reports through the reporter.
#include "font/app/font_commands.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/host/app_host.h"
#include "font/app/font_options.h"
#include "font/formats/font_save.h"
#include "font/formats/xbf_reader.h"
#include "font/model/edit_log.h"
#include "font/model/font_message.h"
#include "font/generator/glyph_gen.h"

namespace {

FontDoc* s_pFont;

const char* const s_apStyle[] = {"THIN",   "THIN_ITALIC",   "EXTRALIGHT", "EXTRALIGHT_ITALIC",
                                 "LIGHT",  "LIGHT_ITALIC",  "REGULAR",    "REGULAR_ITALIC",
                                 "MEDIUM", "MEDIUM_ITALIC", "SEMIBOLD",   "SEMIBOLD_ITALIC",
                                 "BOLD",   "BOLD_ITALIC",   "EXTRABOLD",  "EXTRABOLD_ITALIC",
                                 "HEAVY",  "HEAVY_ITALIC",  nullptr};
const char* const s_apStyleWording[] = {
    "a thin",         "a thin italic",        "an extra light", "an extra light italic",
    "a light",        "a light italic",       "a regular",      "a regular italic",
    "a medium",       "a medium italic",      "a semi bold",    "a semi bold italic",
    "a bold",         "a bold italic",        "an extra bold",  "an extra bold italic",
    "a heavy",        "a heavy italic"};
const char* const s_apType[] = {"STD", "AA2", "AA4", "EXT", "EXT_FRM", "EXT_AA2", "EXT_AA4", nullptr};
const char* const s_apEncoding[] = {"UC16", "ISO8859", "JIS", nullptr};
const char* const s_apMethod[] = {"OS", "INTERNAL", nullptr};
const char* const s_apSaveType[] = {"C", "SIF", "XBF", nullptr};

// 1-based position of a keyword in its list; reports "Illegal option" and returns 0.
int lookup(const char* const* list, const char* word) {
  for (int i = 0; list[i]; ++i)
    if (std::strcmp(list[i], word) == 0) return i + 1;
  std::string text = std::string("Illegal option: ") + word;
  FONTMSG_Report(text.c_str());
  return 0;
}

bool expect(char separator) {
  if (CMDLINE_GetChar() == separator) return true;
  FONTMSG_Report("Wrong separator");
  return false;
}

bool read_string(char* buffer, int capacity) {
  CMDLINE_GetString(buffer, capacity);
  return !CMDLINE_ReadFailed();
}

bool need_font() {
  if (s_pFont) return true;
  FONTMSG_Report("No font data");
  return false;
}

void apply_render_options() {
  FontOptions o;
  FONTOPT_Read(&o);
  FontGenOptions g;
  g.EnableGamma = o.EnableGamma != 0;
  g.SuppressOptAA = o.SuppressOptAA != 0;
  FONTGEN_SetOptions(g);
}

void on_create() {
  char acName[201], acStyle[201], acType[201], acEncoding[201], acMethod[201];
  if (!read_string(acName, 200) || !expect(',')) return;
  if (!FONTGEN_FaceExists(acName) || std::strlen(acName) >= FONT_FACE_CHARS) {
    FONTMSG_Report("Font does not exist");
    return;
  }
  if (!read_string(acStyle, 200) || !expect(',')) return;
  int style = lookup(s_apStyle, acStyle);
  if (!style) return;
  int32_t height = CMDLINE_GetDecValue();
  if (CMDLINE_ReadFailed() || !expect(',')) return;
  if (!read_string(acType, 200) || !expect(',')) return;
  int type = lookup(s_apType, acType);
  if (!type) return;
  if (!read_string(acEncoding, 200)) return;
  int encoding = lookup(s_apEncoding, acEncoding);
  if (!encoding) return;
  if (FONT_IsExtended(type - 1) && encoding != 1) {
    FONTMSG_Report("Extended fonts can only be created using Unicode encoding.");
    return;
  }
  int method = 1;
  if (CMDLINE_GetChar() == ',') {
    if (!read_string(acMethod, 200)) return;
    method = lookup(s_apMethod, acMethod);
    if (!method) return;
  }
  LogFont lf = {};
  lf.Height = height;
  lf.Weight = (style + 1) / 2 * 100;
  lf.Italic = style % 2 == 0 ? 1 : 0;
  std::snprintf(lf.acFaceName, sizeof(lf.acFaceName), "%s", acName);
  apply_render_options();
  FontDoc* doc = FONTGEN_CreateDocument(lf, type - 1, encoding - 1, method - 1);
  if (doc) FONTAPP_SetFont(doc);
}

void on_enable() {
  if (!need_font()) return;
  int32_t first = CMDLINE_GetHexValue();
  if (CMDLINE_ReadFailed() || !expect('-')) return;
  int32_t last = CMDLINE_GetHexValue();
  if (CMDLINE_ReadFailed() || !expect(',')) return;
  int32_t state = CMDLINE_GetDecValue();
  if (CMDLINE_ReadFailed()) return;
  // Both range errors end the command.
  if (first > last) {
    FONTMSG_Report("Wrong parameters in '-enable' command: First > Last!");
    return;
  }
  if (last > 0xFFFF) {
    FONTMSG_Report("Wrong parameters in '-enable' command: Last exceeds 0xFFFF!");
    return;
  }
  if (state != 0 && state != 1) {
    FONTMSG_Report("Illegal state");
    return;
  }
  if (first < 0) first = 0;  // a negative first code stands for the start of the code space
  if (last < 0) return;
  FONT_EnableRange(s_pFont, static_cast<unsigned>(first), static_cast<unsigned>(last), state);
  char acLine[80];
  std::snprintf(acLine, sizeof(acLine), state ? "* Range enabled:        %04X - %04X"
                                              : "* Range disabled:       %04X - %04X",
                static_cast<unsigned>(first), static_cast<unsigned>(last));
  EDITLOG_AddLine(acLine);
  HOST_Get()->Redraw();
}

void on_saveas() {
  if (!need_font()) return;
  char acFile[261], acType[201];
  if (!read_string(acFile, 260) || !expect(',')) return;
  if (!read_string(acType, 200)) return;
  int format = lookup(s_apSaveType, acType);
  if (!format) return;
  if (format - 1 == FONT_FORMAT_XBF &&
      (s_pFont->Type == FONT_TYPE_AA2 || s_pFont->Type == FONT_TYPE_AA4)) {
    FONTMSG_Report("Fonts of the type Standard 2bpp or 4bpp can not be saved in XBF-format.");
    return;
  }
  FONT_SetPath(s_pFont, acFile);
  FontOptions o;
  FONTOPT_Read(&o);
  apply_render_options();
  FontSaveOptions so;
  so.Compatibility = o.Compatibility;
  so.MagX = o.MagX;
  so.MagY = o.MagY;
  so.SuppressLogging = o.SuppressLogging;
  FONTSAVE_Save(s_pFont, format - 1, false, so);
}

void on_nomessages() { FONTMSG_SetNoMessages(true); }

// Commands whose operations come with a later version: they still check for a font.
void not_built(const char* name) {
  if (!need_font()) return;
  std::string text = std::string("The command '-") + name + "' is not available in this version";
  FONTMSG_Report(text.c_str());
}
void on_edit() { not_built("edit"); }
void on_merge() { not_built("merge"); }
void on_readpattern() { not_built("readpattern"); }

std::string build_create_help() {
  std::string s = "\t\t<FONTNAME>,<STYLE>,<HEIGHT>,<TYPE>,<ENCODING>[,<METHOD>] Create font";
  auto line = [&](const std::string& text) { s += "\r\n" + text; };
  line("\t\t- FONTNAME:");
  line("\t\t\tName of font to be used");
  line("\t\t- STYLE:");
  for (int i = 0; s_apStyle[i]; ++i) {
    size_t n = std::strlen(s_apStyle[i]);
    const char* tabs = n < 8 ? "\t\t\t" : (n <= 15 ? "\t\t" : "\t");
    line(std::string("\t\t\t") + s_apStyle[i] + tabs + "- Creates " + s_apStyleWording[i] + " font");
  }
  line("\t\t- HEIGHT:");
  line("\t\t\tHeight in pixels of font to be created");
  line("\t\t- TYPE:");
  line("\t\t\tSTD\t\t- Standard 1bpp font");
  line("\t\t\tAA2\t\t- Antialiased font (2bpp)");
  line("\t\t\tAA4\t\t- Antialiased font (4bpp)");
  line("\t\t\tEXT\t\t- Extended font");
  line("\t\t\tEXT_FRM\t- Extended framed font");
  line("\t\t\tEXT_AA2\t\t- Extended antialiased font (2bpp)");
  line("\t\t\tEXT_AA4\t\t- Extended antialiased font (4bpp)");
  line("\t\t- ENCODING:");
  line("\t\t\tUC16\t- 16 bit Unicode encoding");
  line("\t\t\tISO8859\t- 8 bit ASCII + ISO8859");
  line("\t\t\tJIS\t- Shift JIS");
  line("\t\t- METHOD:");
  line("\t\t\tOS\t\t- Antialiasing of operating system, default is 'OS'");
  line("\t\t\tINTERNAL\t- Internal antialiasing method");
  return s;
}

const std::string s_createHelp = build_create_help();

std::string lower_extension(const char* path) {
  const char* slash = std::strrchr(path, '/');
  const char* dot = std::strrchr(slash ? slash : path, '.');
  std::string ext = dot ? dot : "";
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

}  // namespace

const char* FONTCMD_CreateHelp() { return s_createHelp.c_str(); }

const CmdlineCommand g_aFontCommands[] = {
    {"exit", FONTCMD_ID_EXIT, nullptr, 0, "\t\tFinish application after job"},
    {"create", 0, on_create, 0, s_createHelp.c_str()},
    {"edit", 0, on_edit, 0,
     "\t\t<ACTION>,<DETAIL>[,<CNT>] Equivalent to the 'Edit' menu\r\n\t\t- ACTION:\r\n"
     "\t\t\tDEL\t- Deletes pixels\r\n\t\t\tINS\t- Inserts pixels\r\n\t\t- DETAIL:\r\n"
     "\t\t\tTOP\t- ...from top\r\n\t\t\tBOTTOM\t- ...from bottom\r\n\t\t- CNT:\r\n"
     "\t\t\tNumber of operations, needs to be >0. Default is 1"},
    {"enable", 0, on_enable, 0,
     "\t\t<FIRST-LAST>,<STATE> Enables or disables the given range of characters\r\n"
     "\t\t- FIRST-LAST:\r\n"
     "\t\t\tHexadecimal values separated by a '-' defining the range of characters\r\n"
     "\t\t- STATE:\r\n\t\t\t0\t- Disables the given range\r\n\t\t\t1\t- Enables the given range"},
    {"merge", 0, on_merge, 0, "\t\t<FILENAME> Merges the given file to the current content"},
    {"readpattern", 0, on_readpattern, 0, "\t<FILENAME> Reads a pattern file"},
    {"saveas", 0, on_saveas, 0,
     "\t\t<FILENAME>,<TYPE> Saves the font data as 'C', 'SIF' or 'XBF' file font\r\n"
     "\t\t- FILENAME:\r\n\t\t\tFile name including extension\r\n\t\t- TYPE:\r\n"
     "\t\t\tC\t- \"C\" file\r\n\t\t\tSIF\t- System independent font file\r\n"
     "\t\t\tXBF\t- External binary font file"},
    {"nomessages", 0, on_nomessages, 0, "\tSuppress messages in command line mode"},
    {"?", 0, nullptr, 0, "\t\tShows this box\n"},
    {nullptr, 0, nullptr, 0, nullptr},
};

FontDoc* FONTAPP_GetFont() { return s_pFont; }

void FONTAPP_SetFont(FontDoc* doc) {
  if (doc == s_pFont) return;
  FONT_Destroy(s_pFont);
  s_pFont = doc;
}

bool FONTAPP_LoadFontFile(const char* path) {
  std::string ext = lower_extension(path);
  if (ext == ".xbf") {
    FontOptions o;
    FONTOPT_Read(&o);
    XbfReadOptions ro;
    ro.SuppressDetect = o.SuppressDetectXBF != 0;
    ro.StoredType = o.GetTypeXBF;
    FontDoc* doc = XBF_Read(path, ro);
    if (!doc) return false;
    FONTAPP_SetFont(doc);
    return true;
  }
  if (ext == ".c") {
    FONTMSG_Report("Reading 'C' font files is not available in this version");
    return false;
  }
  FONTMSG_Report("File extension must be 'XBF' or 'C'");
  return false;
}
