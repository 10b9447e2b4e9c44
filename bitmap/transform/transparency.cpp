// Choosing the transparent palette index: from a colour given on the command line and
// through the choices of the "Transparency" dialog.
#include <cstdio>

#include "bitmap/transform/transform.h"

RastrelMessage IMAGE_FindTransColor(const ImageDocument* doc, uint32_t color, int* pIndex) {
  *pIndex = -1;
  if (!doc || doc->NumColors == 0) return MSG_NO_PALETTE_FOR_TRANS;
  if (color >= 0x1000000u) return MSG_COLOR_RANGE;
  for (int i = 0; i < doc->NumColors; ++i)
    if (IMAGE_GetPalColor(doc, i) == color) {
      *pIndex = i;
      return MSG_COUNT;
    }
  return MSG_COLOR_NOT_FOUND;
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
