// Requests of the font converter's operations: what a menu dialog or a job's
// arguments decided, handed to the one operation both of them call.
#pragma once

#include <cstdint>
#include <string>

#include "font/model/font_doc.h"

struct FontCreateRequest {
  LogFont Lf = {};  // face, height (positive: cell height), weight, italic
  int Type = FONT_TYPE_STD;
  int Encoding = FONT_ENC_UNICODE;
  int AAMode = FONT_AA_OS;
};

struct FontSaveRequest {
  std::string Path;
  int Format = 0;             // FONT_FORMAT_C, _SIF or _XBF
  bool AskOverwrite = false;  // the menu asks; a job overwrites
};

// FIRST-LAST and STATE as read; the operation checks them (signed 32-bit).
struct FontRangeRequest {
  int32_t First = 0;
  int32_t Last = 0;
  int32_t State = 1;
};

struct FontFileRequest {  // load, merge, read pattern
  std::string Path;
};

enum { FONTEDIT_DELETE = 1, FONTEDIT_INSERT = 2 };
enum { FONTEDIT_TOP = 1, FONTEDIT_BOTTOM = 2 };

struct FontEditRequest {  // the job command edit
  int Action = FONTEDIT_DELETE;
  int Detail = FONTEDIT_TOP;
  int Count = 1;
};

// One glyph operation of the Edit menu (a GlyphEdit of font/model/glyph_edit.h), run
// Count times on the current character or font.
struct FontGlyphEditRequest {
  int Edit = 0;
  int Count = 1;
};

// A pixel of the current character changed by a menu or a key of the character view
// (Change is a PixelChange of font/model/pixel_value.h; Value for keys and Set index).
struct FontPixelRequest {
  int X = 0;
  int Y = 0;
  int Change = 0;
  int Value = 0;
  bool FromKey = false;  // keys recompute the frame of a framed font
};
