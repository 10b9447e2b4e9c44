// Format dialog list.
#include "bitmap/app/format_choices.h"

#include "bitmap/document/image.h"

std::vector<int> RASTREL_FormatChoices(const ImageDocument* doc, int fileType, bool* pPaletteEntries) {
  std::vector<int> list;
  const int n = doc->NumColors;
  if (n > 0) {
    if (n <= 2) list.push_back(1);
    if (n <= 4) list.push_back(2);
    if (n <= 16) list.push_back(4);
    if (n <= 256) list.push_back(5);
    if (n <= 16) list.push_back(6);
    if (n <= 256) list.push_back(7);
  }
  if (pPaletteEntries) *pPaletteEntries = !list.empty();
  const std::vector<int> alpha = {16, 29, 15, 99, 18, 25, 26, 27, 28};
  const std::vector<int> direct = {19, 20, 21, 22, 23, 24, 10, 11, 8, 9, 12, 13, 17, 16, 29, 99};
  for (int f : doc->HasAlpha ? alpha : direct)
    if (f != 99 || fileType == 1) list.push_back(f);
  return list;
}

bool RASTREL_NoPaletteEnabled(int format, bool enabled) {
  if (format == 1 || format == 2 || (format >= 4 && format <= 7)) return true;
  if ((format >= 8 && format <= 11) || (format >= 19 && format <= 24)) return false;
  return enabled;
}
