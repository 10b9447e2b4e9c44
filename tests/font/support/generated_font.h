// Font documents generated from the installed DejaVu and IPA fonts.
#pragma once

#include <cstdio>

#include "font/generator/glyph_gen.h"
#include "font/support/font_test_util.h"

namespace fonttest {

inline void generator_tables() {
  static bool done;
  if (done) return;
  done = true;
  FONTGEN_BuildTables();
}

inline LogFont log_font(const char* face, int height, int weight = 400, bool italic = false) {
  LogFont lf = {};
  lf.Height = height;
  lf.Weight = weight;
  lf.Italic = italic ? 1 : 0;
  std::snprintf(lf.acFaceName, sizeof(lf.acFaceName), "%s", face);
  return lf;
}

inline FontDoc* make_font(int type, int height = 16, int encoding = FONT_ENC_UNICODE,
                          int aaMode = FONT_AA_OS, const char* face = "DejaVu Sans") {
  init_tables();
  generator_tables();
  return FONTGEN_CreateDocument(log_font(face, height), type, encoding, aaMode);
}

}  // namespace fonttest
