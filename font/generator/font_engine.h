// Desktop font engine on FreeType and fontconfig: face lookup by exact family name,
// weight and slant, text metrics, raw font tables and rendered glyph images.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct EngineFont;

struct EngineMetrics {
  int CellHeight;    // ascent + descent in pixels
  int Ascent;
  int MaxCharWidth;
};

enum EngineRender { ENGINE_MONO, ENGINE_GREY };

// A rendered glyph: Rows x Width pixels, Pitch bytes per row; mono rows hold bits
// (most significant first), grey rows one coverage byte (0..255) per pixel.
struct EngineGlyph {
  bool Loaded;
  int Width;
  int Rows;
  int Pitch;
  int Left;     // origin x of the black box
  int Top;      // rows from the baseline up to the top row
  int Advance;  // cell advance in pixels
  const uint8_t* pBuffer;
  bool Mono;
};

// True for every name an installed face carries (localised ones too).
bool ENGINE_FamilyExists(const char* family);
// The installed families, each once under its English name (else its first), sorted.
std::vector<std::string> ENGINE_ListFamilies();
// Opens the best face of the family for weight (100..900) and italic. Height as a
// logical font height: negative = em size in pixels, positive = cell height.
EngineFont* ENGINE_Open(const char* family, int weight, bool italic, int height);
void ENGINE_Close(EngineFont* font);
EngineMetrics ENGINE_GetMetrics(const EngineFont* font);
// Whole table by tag; empty when the font has none.
std::vector<uint8_t> ENGINE_LoadTable(EngineFont* font, const char tag[4]);
// Renders a Unicode code; the glyph stays valid until the next call on this font.
EngineGlyph ENGINE_RenderGlyph(EngineFont* font, unsigned code, EngineRender mode);
