// LZW encoder of GIF image data: variable code widths from the minimum code size + 1 up
// to 12 bits, a clear code whenever the code table is full, codes packed least
// significant bit first into sub-blocks of at most 255 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/output/buffered_writer.h"

// Encodes `count` pixel values (each below 2^minCodeSize) and writes the sub-blocks and
// the block terminator. The minimum code size byte itself is the caller's. Returns false
// when a write failed or the work memory could not be allocated.
bool LZW_Encode(OutWriter* w, int minCodeSize, const uint8_t* (*pfRow)(const void* context, int32_t y),
                const void* context, int32_t width, int32_t height);
