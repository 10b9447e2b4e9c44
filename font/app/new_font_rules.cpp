// New-font dialog rules.
#include "font/app/new_font_rules.h"

#include <cmath>

#include "font/generator/glyph_gen.h"

int NEWFONT_TypeCount(int encoding) { return encoding == FONT_ENC_UNICODE ? 7 : 3; }

int NEWFONT_TypeForEncoding(int type, int encoding) {
  return type < 0 || type >= NEWFONT_TypeCount(encoding) ? FONT_TYPE_STD : type;
}

bool NEWFONT_MethodChoosable(int type) { return type == FONT_TYPE_AA2 || type == FONT_TYPE_AA4; }

FontCreateRequest NEWFONT_Initial(const FontDoc* doc) {
  FontCreateRequest r;
  if (doc) {
    r.Lf = doc->Lf;
    r.Type = doc->Type;
    r.Encoding = doc->Encoding;
    r.AAMode = doc->AAMode;
  } else {
    r.Type = FONT_TYPE_EXT;
    r.Encoding = FONT_ENC_UNICODE;
    r.AAMode = FONT_AA_OS;
  }
  return r;
}

int NEWFONT_PointsToHeight(int points) { return -static_cast<int>(std::lround(points * 96.0 / 72.0)); }

void NEWFONT_ApplyChosenSize(FontCreateRequest* r, int pixelSize, int chooserHeight) {
  const int h = pixelSize != 0 ? pixelSize : chooserHeight;
  r->Lf.Height = FONTGEN_LogicalHeight(r->Type, h);
  r->AAMode = FONTGEN_EffectiveAAMode(r->Type, r->AAMode);
}
