// Non-window logic of the "Scale Image" dialog: the pixel/percent mode and the
// keep-proportions flag that persist for the program run, the fields' start values,
// the proportional update of the other field and the size OK asks for.
#pragma once

#include <cstdint>

struct ImageDocument;

struct ScaleDialogState {
  bool Percent = false;         // "P&ercent" chosen instead of "P&ixels"
  bool KeepProportions = true;  // "&Keep Proportions:"
};

extern ScaleDialogState RASTREL_ScaleDialog;

// "Original Size: %d x %d Pixels".
int SCALE_GetOriginalSizeText(const ImageDocument* doc, char* buffer, int size);
// Start values of "&Width:" and "&Height:" (also after switching the mode).
void SCALE_GetInitialFields(const ScaleDialogState* state, const ImageDocument* doc, int32_t* pWidth,
                            int32_t* pHeight);
// With keep proportions on, the value the other field gets after one was edited (in
// percent mode the same value; in pixel mode by the image's aspect ratio, truncated).
// Returns false when the other field stays as it is.
bool SCALE_OtherFromWidth(const ScaleDialogState* state, const ImageDocument* doc, int32_t width,
                          int32_t* pHeight);
bool SCALE_OtherFromHeight(const ScaleDialogState* state, const ImageDocument* doc, int32_t height,
                           int32_t* pWidth);
// OK: the new size from the fields (percent of the current size, integer division).
void SCALE_GetResultSize(const ScaleDialogState* state, const ImageDocument* doc, int32_t width, int32_t height,
                         int32_t* pNewWidth, int32_t* pNewHeight);
