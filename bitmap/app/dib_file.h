// The clipboard's image/bmp form of a packed DIB: a 14-byte file header in front of it.
#pragma once

#include <cstdint>
#include <vector>

// The DIB behind a file header ("BM", file size, offset of the bits); empty when the
// DIB is too short for its header and palette.
std::vector<uint8_t> DIBFILE_FromDib(const std::vector<uint8_t>& dib);
// The DIB inside a .bmp file's bytes; empty without the "BM" signature or a header.
std::vector<uint8_t> DIBFILE_ToDib(const std::vector<uint8_t>& file);
