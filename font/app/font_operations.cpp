// Operations on the current font: create, save as, ranges, load, toggle.
#include "font/app/font_operations.h"

#include <cctype>
#include <cstdio>
#include <string>

#include "font/app/font_options.h"
#include "font/app/glyphor_host.h"
#include "font/formats/bdf_reader.h"
#include "font/formats/c_font_reader.h"
#include "font/formats/font_merge.h"
#include "font/formats/font_save.h"
#include "font/formats/xbf_reader.h"
#include "font/generator/glyph_gen.h"
#include "font/model/current_font.h"
#include "font/model/edit_log.h"
#include "font/model/font_messages.h"

namespace {

void apply_render_options(const FontOptions& o) {
  FontGenOptions g;
  g.EnableGamma = o.EnableGamma != 0;
  g.SuppressOptAA = o.SuppressOptAA != 0;
  FONTGEN_SetOptions(g);
}

std::string lower_extension(const std::string& path) {
  size_t slash = path.rfind('/');
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

FontDoc* read_xbf(const char* path) {
  FontOptions o;
  FONTOPT_Read(&o);
  XbfReadOptions ro;
  ro.SuppressDetect = o.SuppressDetectXBF != 0;
  ro.StoredType = o.GetTypeXBF;
  FontFileData file;
  if (!XBF_LoadFile(path, &file)) return nullptr;
  int type = XBF_DetectType(reinterpret_cast<const uint8_t*>(file.pData), file.Size, ro.SuppressDetect);
  if (type == XBF_TYPE_NEEDS_USER) type = GLYPHOR_Host()->AskXbfType(XBF_PreselectedType(ro));
  return XBF_FromData(path, file, type);
}

}  // namespace

FontDoc* FONTOP_RequireFont() {
  FontDoc* doc = FONT_GetCurrent();
  if (!doc) FONTMSG_ReportMsg(FONTMSG_NO_FONT);
  return doc;
}

bool FONTOP_Create(const FontCreateRequest& r) {
  FontOptions o;
  FONTOPT_Read(&o);
  apply_render_options(o);
  FontDoc* doc = FONTGEN_CreateDocument(r.Lf, r.Type, r.Encoding, r.AAMode);
  if (!doc) return false;
  FONT_SetCurrent(doc);
  return true;
}

bool FONTOP_SaveAs(const FontSaveRequest& r) {
  FontDoc* doc = FONTOP_RequireFont();
  if (!doc) return false;
  if (r.Format == FONT_FORMAT_XBF && (doc->Type == FONT_TYPE_AA2 || doc->Type == FONT_TYPE_AA4)) {
    FONTMSG_ReportMsg(FONTMSG_XBF_OF_AA);
    return false;
  }
  // The writers take the target from the document; a failed save keeps the old path
  // (and with it the title and the next Save's target).
  const std::string oldPath = doc->acPath;
  FONT_SetPath(doc, r.Path.c_str());
  FontOptions o;
  FONTOPT_Read(&o);
  apply_render_options(o);
  FontSaveOptions so;
  so.Compatibility = o.Compatibility;
  so.MagX = o.MagX;
  so.MagY = o.MagY;
  so.SuppressLogging = o.SuppressLogging;
  const bool saved = FONTSAVE_Save(doc, r.Format, r.AskOverwrite, so) == 0;
  if (!saved) FONT_SetPath(doc, oldPath.c_str());
  return saved;
}

bool FONTOP_EnableRange(const FontRangeRequest& r) {
  FontDoc* doc = FONTOP_RequireFont();
  if (!doc) return false;
  // Every range error ends the command; a negative code is a range error too.
  if (r.First > r.Last) {
    FONTMSG_ReportMsg(FONTMSG_ENABLE_FIRST_GT_LAST);
    return false;
  }
  if (r.Last > 0xFFFF) {
    FONTMSG_ReportMsg(FONTMSG_ENABLE_LAST_TOO_BIG);
    return false;
  }
  if (r.First < 0) {
    FONTMSG_ReportMsg(FONTMSG_ENABLE_FIRST_NEGATIVE);
    return false;
  }
  if (r.State != 0 && r.State != 1) {
    FONTMSG_ReportMsg(FONTMSG_ILLEGAL_STATE);
    return false;
  }
  FONT_EnableRange(doc, static_cast<unsigned>(r.First), static_cast<unsigned>(r.Last), r.State);
  char acLine[80];
  std::snprintf(acLine, sizeof(acLine),
                r.State ? "* Range enabled:        %04X - %04X" : "* Range disabled:       %04X - %04X",
                static_cast<unsigned>(r.First), static_cast<unsigned>(r.Last));
  EDITLOG_AddLine(acLine);
  GLYPHOR_Host()->Redraw();
  return true;
}

bool FONTOP_LoadFile(const FontFileRequest& r) {
  const std::string ext = lower_extension(r.Path);
  if (ext == ".xbf" || ext == ".c" || ext == ".bdf") {
    FontDoc* doc = ext == ".c"     ? CFONT_Read(r.Path.c_str())
                   : ext == ".bdf" ? BDF_Read(r.Path.c_str())
                                   : read_xbf(r.Path.c_str());
    if (!doc) return false;
    FONT_SetCurrent(doc);
    GLYPHOR_Host()->Redraw();
    return true;
  }
  FONTMSG_ReportMsg(FONTMSG_BAD_EXTENSION);
  return false;
}

bool FONTOP_ToggleChar() {
  FontDoc* doc = FONTOP_RequireFont();
  if (!doc) return false;
  const unsigned code = doc->CurrentChar;
  const bool enabled = doc->aChar[code].Enabled != 0;
  char acLine[80];
  // The wording is chosen before the toggle.
  std::snprintf(acLine, sizeof(acLine),
                enabled ? "* Character disabled:  0x%X (%d)" : "* Character enabled:   0x%X (%d)", code,
                static_cast<int>(code));
  EDITLOG_AddLine(acLine);
  GLYPHOR_Host()->Redraw();
  FONT_SetEnabled(doc, code, enabled ? 0 : 1);
  return true;
}

void FONTOP_SetNoMessages() { FONTMSG_SetNoMessages(true); }

bool FONTOP_Merge(const FontFileRequest& r) {
  FontDoc* doc = FONTOP_RequireFont();
  if (!doc) return false;
  const std::string ext = lower_extension(r.Path);
  if (ext != ".c" && ext != ".xbf") {
    FONTMSG_ReportMsg(FONTMSG_BAD_EXTENSION);
    return false;
  }
  FontDoc* source = ext == ".c" ? CFONT_Read(r.Path.c_str()) : read_xbf(r.Path.c_str());
  if (!source) {
    FONTMSG_ReportMsg(FONTMSG_READ_C_FAILED);  // the same text for both kinds
    return false;
  }
  const char* error = FONTMERGE_Merge(doc, source);
  if (error) FONTMSG_Report(error);
  FONT_Destroy(source);
  GLYPHOR_Host()->Redraw();
  return error == nullptr;
}
