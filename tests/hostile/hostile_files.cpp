// Hostile input files: built byte by byte so each one says exactly what it claims.
#include "hostile/hostile_files.h"

#include <zlib.h>

#include <cstdio>

namespace {

void put_u16le(std::vector<uint8_t>* out, uint32_t v) {
  out->push_back(static_cast<uint8_t>(v));
  out->push_back(static_cast<uint8_t>(v >> 8));
}
void put_u32le(std::vector<uint8_t>* out, uint32_t v) {
  put_u16le(out, v & 0xFFFF);
  put_u16le(out, v >> 16);
}
void put_u16be(std::vector<uint8_t>* out, uint32_t v) {
  out->push_back(static_cast<uint8_t>(v >> 8));
  out->push_back(static_cast<uint8_t>(v));
}
void put_u32be(std::vector<uint8_t>* out, uint32_t v) {
  put_u16be(out, v >> 16);
  put_u16be(out, v & 0xFFFF);
}
void append(std::vector<uint8_t>* out, std::initializer_list<uint8_t> bytes) {
  out->insert(out->end(), bytes.begin(), bytes.end());
}

// JPEG pieces: one quantisation table of ones, a DC table with the single code "0" for
// difference category 0, and an AC table likewise (end of block).
void jpeg_tables(std::vector<uint8_t>* out) {
  append(out, {0xFF, 0xDB, 0x00, 0x43, 0x00});
  out->insert(out->end(), 64, 1);
  for (uint8_t tableClass : {0x00, 0x10}) {
    append(out, {0xFF, 0xC4, 0x00, 0x14, tableClass, 1});
    out->insert(out->end(), 15, 0);
    out->push_back(0);
  }
}

void jpeg_frame(std::vector<uint8_t>* out, uint8_t marker, uint32_t width, uint32_t height, int components) {
  append(out, {0xFF, marker});
  put_u16be(out, 8 + 3 * components);
  out->push_back(8);
  put_u16be(out, height);
  put_u16be(out, width);
  out->push_back(static_cast<uint8_t>(components));
  for (int i = 1; i <= components; ++i) append(out, {static_cast<uint8_t>(i), 0x11, 0});
}

// Progressive DC-first scan of component 1.
void jpeg_dc_scan(std::vector<uint8_t>* out) {
  append(out, {0xFF, 0xDA, 0x00, 0x08, 1, 1, 0x00, 0, 0, 0});
}


// A progressive frame whose coefficients and document together exceed the limit, in
// about 150 bytes.
std::vector<uint8_t> jpeg_huge_progressive() {
  std::vector<uint8_t> out = {0xFF, 0xD8};
  jpeg_tables(&out);
  jpeg_frame(&out, 0xC2, 8192, 8192, 3);
  jpeg_dc_scan(&out);
  out.insert(out.end(), 8, 0x55);
  return out;
}

// A progressive grey frame within the limit whose data stops after a few bytes.
std::vector<uint8_t> jpeg_truncated_progressive() {
  std::vector<uint8_t> out = {0xFF, 0xD8};
  jpeg_tables(&out);
  jpeg_frame(&out, 0xC2, 4096, 4096, 1);
  jpeg_dc_scan(&out);
  out.insert(out.end(), 8, 0x00);
  return out;
}

void png_chunk(std::vector<uint8_t>* out, const char* type, const std::vector<uint8_t>& data) {
  put_u32be(out, static_cast<uint32_t>(data.size()));
  const size_t start = out->size();
  out->insert(out->end(), type, type + 4);
  out->insert(out->end(), data.begin(), data.end());
  const uLong crc = crc32(0, out->data() + start, static_cast<uInt>(out->size() - start));
  put_u32be(out, static_cast<uint32_t>(crc));
}

// deflate of `total` zero bytes (filter bytes included), streamed in small pieces.
std::vector<uint8_t> deflate_zeros(uint64_t total) {
  std::vector<uint8_t> out;
  z_stream z = {};
  deflateInit(&z, 9);
  static const uint8_t zeros[65536] = {};
  uint8_t buffer[65536];
  uint64_t left = total;
  int flush;
  do {
    const uInt n = left < sizeof(zeros) ? static_cast<uInt>(left) : static_cast<uInt>(sizeof(zeros));
    left -= n;
    flush = left ? Z_NO_FLUSH : Z_FINISH;
    z.next_in = const_cast<uint8_t*>(zeros);
    z.avail_in = n;
    do {
      z.next_out = buffer;
      z.avail_out = sizeof(buffer);
      deflate(&z, flush);
      out.insert(out.end(), buffer, buffer + (sizeof(buffer) - z.avail_out));
    } while (z.avail_out == 0);
  } while (flush != Z_FINISH);
  deflateEnd(&z);
  return out;
}

// An RGB PNG whose image data inflates to rawBytes zero bytes (34 MB in about 33 KB).
std::vector<uint8_t> png_of_zeros(uint32_t width, uint32_t height, uint64_t rawBytes) {
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  put_u32be(&ihdr, width);
  put_u32be(&ihdr, height);
  append(&ihdr, {8, 2, 0, 0, 0});
  png_chunk(&out, "IHDR", ihdr);
  png_chunk(&out, "IDAT", deflate_zeros(rawBytes));
  png_chunk(&out, "IEND", {});
  return out;
}

}  // namespace

std::vector<uint8_t> HOSTILE_EmptyScansJpeg(uint32_t width, uint32_t height, int scans) {
  std::vector<uint8_t> out = {0xFF, 0xD8};
  jpeg_tables(&out);
  jpeg_frame(&out, 0xC2, width, height, 1);
  for (int i = 0; i < scans; ++i) jpeg_dc_scan(&out);
  append(&out, {0xFF, 0xD9});
  return out;
}

std::vector<uint8_t> HOSTILE_EmptyBmp(uint32_t width, uint32_t height) {
  std::vector<uint8_t> out = {'B', 'M'};
  put_u32le(&out, 54);
  put_u32le(&out, 0);
  put_u32le(&out, 54);
  put_u32le(&out, 40);
  put_u32le(&out, width);
  put_u32le(&out, height);
  put_u16le(&out, 1);
  put_u16le(&out, 24);
  out.insert(out.end(), 24, 0);
  return out;
}

std::vector<HostileFile> HOSTILE_ImageFiles() {
  const std::string tooLarge = "Image too large: more than 67108864 pixels";
  return {
      {"wide.bmp", HOSTILE_EmptyBmp(1u << 28, 1), tooLarge},
      {"progressive.jpg", jpeg_huge_progressive(), tooLarge},
      {"scans.jpg", HOSTILE_EmptyScansJpeg(4096, 4096, 2000), "Too many scans in progressive JPEG"},
      {"truncated.jpg", jpeg_truncated_progressive(), ""},
      {"zeros.png", png_of_zeros(16384, 16384, 34u << 20), tooLarge},
  };
}

bool HOSTILE_WriteAll(const std::string& folder) {
  std::vector<HostileFile> files = HOSTILE_ImageFiles();
  files.push_back({"square.bmp", HOSTILE_EmptyBmp(2048, 2048), ""});
  for (const HostileFile& h : files) {
    FILE* f = std::fopen((folder + "/" + h.Name).c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(h.Bytes.data(), 1, h.Bytes.size(), f) == h.Bytes.size();
    if (std::fclose(f) != 0 || !ok) return false;
  }
  return true;
}
