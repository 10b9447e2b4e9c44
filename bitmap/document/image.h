// The bitmap converter's image document: a device-independent bitmap of 8 (paletted)
// or 32 bits per pixel, with its undo stack, pixel and palette access and opening files
// by extension through the registered readers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/messages/rastrel_messages.h"
#include "colour/colour_value.h"

// Largest image the document accepts: 64 megapixels (width x height), 256 MB at 32 bits
// per pixel. Readers check it before they allocate anything and refuse larger images
// with IMAGE_TextTooLarge.
#define IMAGE_MAX_PIXELS (1u << 26)
// What a reader may allocate for one image besides the file's bytes: the document at
// four bytes a pixel and what the format needs on top of it (progressive JPEG
// coefficients) together stay within this.
#define IMAGE_MAX_DECODE_BYTES (4ull * IMAGE_MAX_PIXELS)
// Largest file a reader holds in memory: a 64-megapixel 32-bit bitmap and its headers.
#define IMAGE_MAX_FILE_BYTES (4ull * IMAGE_MAX_PIXELS + (1u << 20))
#define IMAGE_DIB_HEADER_SIZE 40

extern const char IMAGE_TextTooLarge[];  // "Image too large: more than 67108864 pixels"

// True when a width x height document plus extraBytes of decoder memory stays within
// IMAGE_MAX_PIXELS and IMAGE_MAX_DECODE_BYTES.
bool IMAGE_FitsLimits(uint64_t width, uint64_t height, uint64_t extraBytes);

struct ImageDocument {
  int32_t XSize;
  int32_t YSize;
  uint8_t HasTrans;
  int32_t BytesPerLine;
  int32_t NumColors;
  int32_t NumColorsUsed;
  int32_t BitsPerPixel;
  int32_t HasAlpha;
  uint8_t* pBits;  // BytesPerLine x YSize bytes, bottom-up rows
  uint8_t* pInfo;  // 40-byte BITMAPINFOHEADER followed by NumColors entries of 4 bytes
};

struct ColorTable {
  int32_t NumEntries;
  ColorValue* pColors;
};

// Document life cycle. IMAGE_Create returns null when the size is not positive, exceeds
// IMAGE_MAX_PIXELS or the blocks cannot be allocated.
ImageDocument* IMAGE_Create(int32_t xSize, int32_t ySize, int32_t numColors);
ImageDocument* IMAGE_Clone(const ImageDocument* doc);
void IMAGE_Free(ImageDocument* doc);

uint32_t IMAGE_GetIndex(const ImageDocument* doc, int32_t x, int32_t y);
void IMAGE_SetIndex(ImageDocument* doc, int32_t x, int32_t y, uint32_t value);
ColorValue IMAGE_GetColor(const ImageDocument* doc, int32_t x, int32_t y);
ColorValue IMAGE_GetPalColor(const ImageDocument* doc, int32_t index);
// The 256 colours a paletted document's pixel bytes resolve to, for loops over many
// pixels. Bytes beyond the palette (damaged input) read as opaque black instead of
// memory past the palette.
void IMAGE_GetPaletteMap(const ImageDocument* doc, ColorValue aColor[256]);
void IMAGE_SetPalColor(ImageDocument* doc, int32_t index, ColorValue color);
// Start of image row y (0 is the top row) in the pixel block.
uint8_t* IMAGE_GetRow(const ImageDocument* doc, int32_t y);

// True colour without alpha; frees the input unless it is returned unchanged.
ImageDocument* IMAGE_ToTrueColor(ImageDocument* doc);
void IMAGE_SetTransIndex(ImageDocument* doc, int32_t index);
void IMAGE_ClearTrans(ImageDocument* doc);

// Opens by extension, pushes an undo step and makes the result current. Returns the new
// current document or null (messages 16, 20, 21 and the readers' warnings reported).
ImageDocument* IMAGE_LoadFile(const char* path);

// A reader for one file type: takes the file's path (the file exists and opens), returns
// a document or null after reporting its failure.
typedef ImageDocument* (*IMAGE_Reader)(const char* path);
enum ImageFileType {
  IMAGE_TYPE_BMP,
  IMAGE_TYPE_SBMP,
  IMAGE_TYPE_GIF,
  IMAGE_TYPE_PNG,
  IMAGE_TYPE_JPEG,
  IMAGE_NUM_TYPES
};
// Readers register themselves at start-up; a type without a reader answers
// "Unsupported file type".
void IMAGE_SetReader(ImageFileType type, IMAGE_Reader reader);
// Type of a file name by its extension, or -1 (no dot or no match); *pFilterIndex gets
// the save dialog filter index remembered for it.
int IMAGE_TypeFromName(const char* path, int* pFilterIndex);

// Program-wide state.
ImageDocument* IMAGE_GetCurrent();
// Replaces the current document (the old one is freed unless it is the same).
void IMAGE_SetCurrent(ImageDocument* doc);
// Hands the current document to the caller; the program holds none afterwards.
ImageDocument* IMAGE_DetachCurrent();
const char* IMAGE_GetFileName();
void IMAGE_SetFileName(const char* path);
int IMAGE_GetFilterIndex();
void IMAGE_SetFilterIndex(int index);
extern ColorTable IMAGE_CustomPalette;
extern ColorTable IMAGE_BestPalette;

// Undo stack of ten snapshots, entry 0 the newest, holding together at most
// UNDO_BUDGET_BYTES of pixels and palettes: a snapshot that would exceed it drops the
// oldest ones first. A job (command-line mode) never undoes and records none.
enum { UNDO_DEPTH = 10 };
#define UNDO_BUDGET_BYTES (512ull << 20)
void UNDO_SetBudget(uint64_t bytes);  // UNDO_BUDGET_BYTES until set
void UNDO_Save();
void UNDO_Undo();
int UNDO_Count();
void UNDO_Clear();

// Progress and reporting sinks of the image core: progress text goes to the host.
void IMAGE_Progress(const char* text);
void IMAGE_Warning(const char* text);   // free-text warning (job log or message box)
void IMAGE_Message(RastrelMessage message);  // numbered message of the bitmap converter
