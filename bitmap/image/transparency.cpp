// Choosing the transparent palette index: from a colour given on the command line and
// through the choices of the "Transparency" dialog.
#include <cstdio>

#include "bitmap/image/transform.h"

int IMAGE_FindTransColor(const ImageDocument* doc, uint32_t color) {
  if (!doc || doc->NumColors == 0) return -17;
  if (color >= 0x1000000u) return -18;
  for (int i = 0; i < doc->NumColors; ++i)
    if (IMAGE_GetPalColor(doc, i) == color) return i;
  return -19;
}

int TRANS_GetNumChoices(const ImageDocument* doc) { return doc ? doc->NumColors + 1 : 1; }

int TRANS_GetChoiceText(const ImageDocument* doc, int choice, char* buffer, int size) {
  if (size <= 0) return 0;
  int n;
  if (choice <= 0 || !doc || choice > doc->NumColors)
    n = std::snprintf(buffer, static_cast<size_t>(size), "No transparency");
  else
    n = std::snprintf(buffer, static_cast<size_t>(size), "Index %d: %.6X", choice - 1,
                      static_cast<unsigned>(IMAGE_GetPalColor(doc, choice - 1)));
  return n < size ? n : size - 1;
}

int TRANS_GetInitialChoice(const ImageDocument* doc) { return doc && doc->HasTrans ? 1 : 0; }

void TRANS_ApplyChoice(ImageDocument* doc, int choice) {
  if (!doc) return;
  if (choice <= 0 || choice > doc->NumColors)
    IMAGE_ClearTrans(doc);
  else
    IMAGE_SetTransIndex(doc, choice - 1);
}
