// The pixels the main window shows for a document: colours as 0xRRGGBB rows from the
// top; a document with an alpha channel composed over the view background.
#pragma once

#include <cstdint>
#include <vector>

#include "colour/colour_value.h"

struct ImageDocument;

enum { VIEW_TILE_LIGHT = 0xCCCCCC, VIEW_TILE_DARK = 0x808080, VIEW_TILE_SIZE = 3 };

// Background behind pixel (x, y): the checkerboard of 3 x 3 tiles (view options 0 and
// 1, parity (x / 3 + y / 3 + phase) mod 2, even light) or bkColor (0xBBGGRR, option 2).
ColorValue VIEW_Background(int x, int y, int viewOption, ColorValue bkColor, int phase);
// One pixel with transparency T blended over the background: (T * B + (255 - T) * C) / 256
// per channel; T 255 shows the background, T 0 the colour.
ColorValue VIEW_Blend(ColorValue color, ColorValue background);
// Width x height pixels as 0xRRGGBB. Documents with HasAlpha are composed for the phase.
std::vector<uint32_t> VIEW_Pixels(const ImageDocument* doc, int viewOption, ColorValue bkColor, int phase);
