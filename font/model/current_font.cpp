// Current font document.
#include "font/model/current_font.h"

static FontDoc* s_pCurrent;

FontDoc* FONT_GetCurrent() { return s_pCurrent; }

void FONT_SetCurrent(FontDoc* doc) {
  if (doc == s_pCurrent) return;
  FONT_Destroy(s_pCurrent);
  s_pCurrent = doc;
}
