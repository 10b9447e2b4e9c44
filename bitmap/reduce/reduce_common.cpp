// State and small helpers shared by the colour reduction operations.
#include <cstdio>

#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/reduce/pixel_access.h"

const char REDUCE_acConvertRow[] = "Converting image, line %d/%d";
const char REDUCE_acCalcRow[] = "Calculating info of image, row %d/%d";
const char REDUCE_acConversionDone[] = "Conversion done";

static int s_preserveTrans;

void IMAGE_SetPreserveTrans(int on) { s_preserveTrans = on ? 1 : 0; }
int IMAGE_GetPreserveTrans() { return s_preserveTrans; }

void REDUCE_ProgressRow(const char* format, int32_t row, int32_t height) {
  char text[80];
  std::snprintf(text, sizeof(text), format, static_cast<int>(row), static_cast<int>(height));
  IMAGE_Progress(text);
}
