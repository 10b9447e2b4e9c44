// Device-independent bitmaps of a view for the clipboard: 8-bit indexed (with 2^bpp
// colours), 16-bit 5-5-5 or 24-bit, rows bottom to top padded to 4 bytes; and the same
// bitmap behind a 14-byte file header, as image/bmp carries it.
#pragma once

#include <cstdint>
#include <vector>

#include "viewer/composite.h"
#include "viewer/shmem.h"

// The visible area (or with virtualArea the whole buffer) of a display; empty when the
// display is detached or display block 0's signature is bad.
std::vector<uint8_t> CLIPDIB_Layer(const ShmemState* s, int display, bool virtualArea);
// Display 0's visible area of the composite: colours from the composite buffer, indices
// from display 0 when it is indexed.
std::vector<uint8_t> CLIPDIB_Composite(const ShmemState* s, const CompositeBuffer& composite);
// The bitmap as a .bmp file (file header + bitmap); empty for an empty bitmap.
std::vector<uint8_t> CLIPDIB_BmpFile(const std::vector<uint8_t>& dib);
