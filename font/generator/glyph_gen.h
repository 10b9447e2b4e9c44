// Glyph generation from installed fonts (FreeType for rendering and metrics,
// fontconfig for face lookup): creates a font document and renders each character
// into it on demand, in 1 bpp, 2 and 4 bpp antialiased (by the engine or by 4 x 4
// oversampling with a phase search) and the extended types cut to their black box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "font/model/font_doc.h"

struct FontGenOptions {
  bool EnableGamma = false;    // gamma lookup for types 1 and 2 antialiased by the engine
  bool SuppressOptAA = false;  // internal antialiasing: no phase optimisation
};

// Gamma, grey and display-shade tables; call once at start.
void FONTGEN_BuildTables();
void FONTGEN_SetOptions(const FontGenOptions& options);
// Forgets the vertical phase chosen in this run (tests).
void FONTGEN_ResetPhaseSearch();

// True when an installed face has exactly this family name (case-sensitive).
bool FONTGEN_FaceExists(const char* family);
// The installed families, each once under its English name, sorted (the font chooser's
// list); every name FONTGEN_FaceExists accepts belongs to one of them.
std::vector<std::string> FONTGEN_ListFaces();
// Internal antialiasing draws at four times the size on the 1024 x 1024 surface.
#define FONTGEN_MSG_INTERNAL_TOO_HIGH                                                                 \
  "Internal antialiasing creates fonts of at most %d pixels height; this font would be %d pixels " \
  "high. Use the antialiasing of the operating system (OS) instead."

// Creates a document for the logical font and installs its glyph source, which draws
// each glyph on demand. Failures have been reported; returns null.
FontDoc* FONTGEN_CreateDocument(const LogFont& lf, int type, int encoding, int aaMode);

// Logical height for a chosen pixel height: type 4 keeps the cell h high (h - 2).
int FONTGEN_LogicalHeight(int type, int pixelHeight);
// Types 5 and 6 are always antialiased by the engine.
int FONTGEN_EffectiveAAMode(int type, int aaMode);

// Grey (0 black .. 255 white) to pixel value for a font type.
int FONTGEN_GreyToValue(int type, int grey);
// Pixel value to display colour 0xBBGGRR for a font type.
uint32_t FONTGEN_ValueToColour(int type, int value);
// Grey of gamma level i for L = 4 or 16 levels.
int FONTGEN_GammaLevel(int levels, int i);
