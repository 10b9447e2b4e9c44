// "Scale Image" dialog logic. Results are clamped to the 32-bit range so a typed
// value of any size cannot overflow; the scale command refuses sizes below 1.
#include "bitmap/app/scale_dialog.h"

#include <cmath>
#include <cstdio>

#include "bitmap/document/image.h"

ScaleDialogState RASTREL_ScaleDialog;

namespace {

int32_t clamp32(double v) {
  if (!(v > -2147483648.0)) return INT32_MIN;  // also NaN
  if (v > 2147483647.0) return INT32_MAX;
  return static_cast<int32_t>(v);  // truncation toward zero
}

int32_t clamp32(int64_t v) {
  return v > INT32_MAX ? INT32_MAX : (v < INT32_MIN ? INT32_MIN : static_cast<int32_t>(v));
}

}  // namespace

int SCALE_GetOriginalSizeText(const ImageDocument* doc, char* buffer, int size) {
  if (size <= 0) return 0;
  const int n = std::snprintf(buffer, static_cast<size_t>(size), "Original Size: %d x %d Pixels",
                              static_cast<int>(doc->XSize), static_cast<int>(doc->YSize));
  return n < size ? n : size - 1;
}

void SCALE_GetInitialFields(const ScaleDialogState* state, const ImageDocument* doc, int32_t* pWidth,
                            int32_t* pHeight) {
  *pWidth = state->Percent ? 100 : doc->XSize;
  *pHeight = state->Percent ? 100 : doc->YSize;
}

bool SCALE_OtherFromWidth(const ScaleDialogState* state, const ImageDocument* doc, int32_t width,
                          int32_t* pHeight) {
  if (!state->KeepProportions) return false;
  if (state->Percent) {
    *pHeight = width;
    return true;
  }
  const double ratio = static_cast<double>(doc->XSize) / static_cast<double>(doc->YSize);
  *pHeight = clamp32(static_cast<double>(width) / ratio);
  return true;
}

bool SCALE_OtherFromHeight(const ScaleDialogState* state, const ImageDocument* doc, int32_t height,
                           int32_t* pWidth) {
  if (!state->KeepProportions) return false;
  if (state->Percent) {
    *pWidth = height;
    return true;
  }
  const double ratio = static_cast<double>(doc->XSize) / static_cast<double>(doc->YSize);
  *pWidth = clamp32(static_cast<double>(height) * ratio);
  return true;
}

void SCALE_GetResultSize(const ScaleDialogState* state, const ImageDocument* doc, int32_t width, int32_t height,
                         int32_t* pNewWidth, int32_t* pNewHeight) {
  if (state->Percent) {
    *pNewWidth = clamp32(static_cast<int64_t>(width) * doc->XSize / 100);
    *pNewHeight = clamp32(static_cast<int64_t>(height) * doc->YSize / 100);
  } else {
    *pNewWidth = width;
    *pNewHeight = height;
  }
}
