// Font document: one character record for every 16-bit code plus the font-wide values
// and, for a generated document, the glyph source that renders glyphs on demand. Pixel planes are packed
// with the first pixel in the least significant bits (the file formats use the other
// order; writers convert).
#pragma once

#include <cstdint>
#include <vector>

enum FontType {
  FONT_TYPE_STD = 0,
  FONT_TYPE_AA2 = 1,
  FONT_TYPE_AA4 = 2,
  FONT_TYPE_EXT = 3,
  FONT_TYPE_EXT_FRM = 4,
  FONT_TYPE_EXT_AA2 = 5,
  FONT_TYPE_EXT_AA4 = 6,
};

enum FontEncoding { FONT_ENC_UNICODE = 0, FONT_ENC_ISO8859 = 1, FONT_ENC_SJIS = 2 };
enum FontAAMode { FONT_AA_OS = 0, FONT_AA_INTERNAL = 1 };

enum {
  FONT_NUM_CODES = 0x10000,
  FONT_NUM_BLOCKS = 4096,
  FONT_NUM_AREAS = 87,
  FONT_NUM_AREAS_8BIT = 4,
  FONT_PATH_CHARS = 500,
  FONT_ID_CHARS = 100,
  FONT_FACE_CHARS = 32,
};

// The desktop engine's logical font description (60 bytes).
struct LogFont {
  int32_t Height;  // < 0: character height (em size); > 0: cell height in pixels
  int32_t Width;
  int32_t Escapement;
  int32_t Orientation;
  int32_t Weight;
  uint8_t Italic;
  uint8_t Underline;
  uint8_t StrikeOut;
  uint8_t CharSet;
  uint8_t OutPrecision;
  uint8_t ClipPrecision;
  uint8_t Quality;
  uint8_t PitchAndFamily;
  char acFaceName[FONT_FACE_CHARS];
};

struct FontChar {
  int32_t Width;
  int32_t StoredBytesPerLine;
  uint8_t Enabled;
  uint8_t Generated;
  uint8_t Available;
  uint8_t* pPixels;
  uint8_t* pFrame;  // Extended framed only
  uint32_t PlaneSize;
  int32_t XPos;
  int32_t TopAboveBaseline;
  int32_t CursorDist;
  int32_t GlyphHeight;
};

struct FontBlock {
  uint8_t Used;
  int32_t AreaIndex;  // -1: none
};

struct FontDoc;

// Renders one glyph into the document (planes and metrics of the code). The glyph
// generator installs one into the documents it creates; a document read from a
// file has none, so it needs no font engine.
struct FontGlyphSource {
  virtual ~FontGlyphSource() = default;
  virtual void RenderChar(FontDoc* doc, unsigned code) = 0;
};

struct FontDoc {
  FontGlyphSource* pSource;  // owned; null for documents read from files
  LogFont Lf;
  int32_t Type;
  int32_t Encoding;
  int32_t AAMode;
  int32_t Height;
  int32_t MaxWidth;
  FontChar aChar[FONT_NUM_CODES];
  uint16_t CurrentChar;
  uint8_t HasUnicodeMap;
  int32_t UsedBlocks;
  int32_t NumBlocks;
  FontBlock aBlock[FONT_NUM_BLOCKS];
  int32_t NumSegments;
  uint16_t* paSegStart;
  uint16_t* paSegEnd;
  char acPath[FONT_PATH_CHARS + 1];
  char acFontId[FONT_ID_CHARS + 1];
  char* pHeaderComment;
  int32_t Baseline;
  int32_t MetricsKnown;
  int32_t LHeight;
  int32_t CHeight;
};

struct FontRange {
  uint16_t First;
  uint16_t Last;
};

struct FontRangeList {
  std::vector<FontRange> aRange;
  int NumCodes = 0;
};

struct FontMetrics {
  int Baseline;
  int LHeight;
  int CHeight;
};

// Both start from an all-zero document (current character 'A'); the generator or the
// reader fills in the rest.
FontDoc* FONT_CreateEmpty();
void FONT_Destroy(FontDoc* doc);

// Per-type properties; 0 for an unknown type.
int FONT_BitsPerPixel(int type);
int FONT_MaxPixelValue(int type);
int FONT_BytesPerLine(int type, int width);
bool FONT_IsExtended(int type);
int FONT_NumCodes(const FontDoc* doc);  // 16 x block count

void FONT_SetCurrentChar(FontDoc* doc, unsigned code);
// Copies the path (cut to FONT_PATH_CHARS) and returns the text after its last '/'.
const char* FONT_SetPath(FontDoc* doc, const char* path);

void FONT_SetEnabled(FontDoc* doc, unsigned code, int value);
void FONT_EnableRange(FontDoc* doc, unsigned first, unsigned last, int value);
void FONT_EnableBlock(FontDoc* doc, unsigned block, int value);

// Replaces the planes of a code with zeroed planes of rows x bytes-per-line(width).
// Returns false when they could not be allocated (the record then has none).
bool FONT_AllocPlanes(FontDoc* doc, unsigned code, int width, int rows);
// Rows of a code's planes (font height or glyph height by type).
int FONT_PlaneRows(const FontDoc* doc, unsigned code);
// -1 for a frame pixel; 0 outside the planes.
int FONT_GetPixel(const FontDoc* doc, unsigned code, int x, int y);
void FONT_SetPixel(FontDoc* doc, unsigned code, int x, int y, int value);
void FONT_ComputeFrame(FontDoc* doc, unsigned code);
void FONT_RecomputeFrame(FontDoc* doc, unsigned code);

// Installs the glyph source (the document owns it; the previous one is destroyed).
void FONT_SetGlyphSource(FontDoc* doc, FontGlyphSource* source);

// Availability and enabling after the character map has been read.
void FONT_InitAvailability(FontDoc* doc);
// Renders the glyph through the glyph source if the character is available.
void FONT_RenderChar(FontDoc* doc, unsigned code);
// Renders every enabled character that is not generated; disables zero-width ones.
void FONT_PrepareForSaving(FontDoc* doc);
FontRangeList FONT_BuildRangeList(const FontDoc* doc);
FontMetrics FONT_ComputeMetrics(FontDoc* doc);

// Gives every block its Unicode area (16-bit documents) or its 8-bit area.
void FONT_AssignAreas(FontDoc* doc);
// Unicode area of a block: name, or null for blocks >= 4096 or without an area.
const char* FONT_GetAreaName(const FontDoc* doc, unsigned block);
// Length in blocks and name of an area table entry (0 .. FONT_NUM_AREAS - 1).
int FONT_GetAreaLength(int index);
const char* FONT_GetAreaEntryName(int index);
