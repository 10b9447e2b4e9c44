// Geometric and tonal operations on the image document, the transparent-index choice
// and the two ways of giving a true-colour image an alpha channel. Operations that
// work in place return their argument; those that build a new document free the input
// and return the result, or return the input unchanged when memory runs out. A null
// document gives a null result.
#pragma once

#include "bitmap/document/image.h"

// Flips and rotations move raw pixel values and keep the palette.
ImageDocument* IMAGE_FlipH(ImageDocument* doc);       // in place
ImageDocument* IMAGE_FlipV(ImageDocument* doc);       // in place
ImageDocument* IMAGE_Rotate180(ImageDocument* doc);   // in place
ImageDocument* IMAGE_Rotate90CCW(ImageDocument* doc);  // new document
ImageDocument* IMAGE_Rotate90CW(ImageDocument* doc);   // new document

// True colour: RGB inverted (transparency kept). Paletted: index i becomes
// NumColors - 1 - i, palette unchanged. In place, with row progress.
ImageDocument* IMAGE_InvertIndices(ImageDocument* doc);
// True colour as above; paletted: every palette entry inverted, pixels untouched.
ImageDocument* IMAGE_InvertColors(ImageDocument* doc);

// Area-averaging resampling to newWidth x newHeight (both at least 1); a true-colour
// result with HasAlpha of the source. The same size returns the document unchanged.
ImageDocument* IMAGE_Scale(ImageDocument* doc, int32_t newWidth, int32_t newHeight);
// Scale to (XSize + 1) / 2 x (YSize + 1) / 2, then the progress text.
ImageDocument* IMAGE_Shrink50(ImageDocument* doc);

// Transparent colour from the command line: *pIndex gets the palette index to make
// transparent and the result is MSG_COUNT, or the result names the message that
// refuses it (no palette, colour out of range, colour not in the palette).
RastrelMessage IMAGE_FindTransColor(const ImageDocument* doc, uint32_t color, int* pIndex);

// The "Transparency" dialog's choices: 0 is "No transparency", k > 0 palette index k - 1.
int TRANS_GetNumChoices(const ImageDocument* doc);
// "No transparency" or "Index %d: %.6X"; returns the text length.
int TRANS_GetChoiceText(const ImageDocument* doc, int choice, char* buffer, int size);
int TRANS_GetInitialChoice(const ImageDocument* doc);
// OK in the dialog: choice 0 clears HasTrans, choice k makes index k - 1 transparent.
void TRANS_ApplyChoice(ImageDocument* doc, int choice);

// Alpha channel from the picture over black (image 1) and over white (image 2); the
// images must have the same size. Neither input is freed.
enum { ALPHA_OK = 0, ALPHA_EOPEN = 1, ALPHA_EREAD = 2, ALPHA_ESIZE = 3, ALPHA_ENOMEM = 4 };
int IMAGE_CreateAlphaFromImages(const ImageDocument* image1, const ImageDocument* image2, ImageDocument** ppResult);
// Transparency bytes from a mask ((R + G + B) / 3, white fully transparent) of the
// document's size. Neither input is freed.
int IMAGE_ApplyAlphaMask(const ImageDocument* doc, const ImageDocument* mask, ImageDocument** ppResult);
// File forms: read BMP files. ALPHA_EOPEN when a file does not open (the dialog
// beeps), ALPHA_EREAD when the reader failed (it has reported why), ALPHA_ESIZE after
// message 7. On ALPHA_OK *ppResult is the new document; the caller pushes the undo step
// and makes it current.
int IMAGE_CreateAlpha(const char* path1, const char* path2, ImageDocument** ppResult);
int IMAGE_LoadAlphaMask(const ImageDocument* doc, const char* path, ImageDocument** ppResult);
