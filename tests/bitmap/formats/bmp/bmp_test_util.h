// Helpers for the BMP and DIB tests: building DIBs and BMP files byte by byte, a host
// that records what the user would have seen, and writing temporary files.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bitmap/document/image.h"
#include "common/host/app_host.h"

namespace bmptest {

typedef std::vector<uint8_t> Bytes;

inline void put16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void put32(Bytes& b, uint32_t v) {
  put16(b, v);
  put16(b, v >> 16);
}
inline void append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

// A DIB described field by field; palette entries are given as 0xRRGGBB.
struct Dib {
  uint32_t HeaderSize = 40;
  int32_t Width = 1;
  int32_t Height = 1;
  uint16_t BitCount = 24;
  uint32_t Compression = 0;
  uint32_t SizeImage = 0;
  uint32_t ClrUsed = 0;
  uint32_t aHeaderMask[4] = {0, 0, 0, 0};  // written inside headers of 52 bytes and more
  std::vector<uint32_t> Palette;
  Bytes AfterPalette;  // e.g. the three mask words of a 40-byte bit-field header
  Bytes Bits;

  Bytes header() const {
    Bytes b;
    put32(b, HeaderSize);
    if (HeaderSize == 12) {
      put16(b, static_cast<uint32_t>(Width));
      put16(b, static_cast<uint32_t>(Height));
      put16(b, 1);
      put16(b, BitCount);
    } else {
      put32(b, static_cast<uint32_t>(Width));
      put32(b, static_cast<uint32_t>(Height));
      put16(b, 1);
      put16(b, BitCount);
      put32(b, Compression);
      put32(b, SizeImage);
      put32(b, 2835);
      put32(b, 2835);
      put32(b, ClrUsed);
      put32(b, 0);
      for (int i = 0; i < 4 && b.size() + 4 <= HeaderSize; ++i) put32(b, aHeaderMask[i]);
      b.resize(HeaderSize, 0);
    }
    for (uint32_t c : Palette) {
      b.push_back(static_cast<uint8_t>(c));
      b.push_back(static_cast<uint8_t>(c >> 8));
      b.push_back(static_cast<uint8_t>(c >> 16));
      if (HeaderSize != 12) b.push_back(0);
    }
    append(b, AfterPalette);
    return b;
  }
  Bytes packed() const {
    Bytes b = header();
    append(b, Bits);
    return b;
  }
  // A complete BMP file whose bfOffBits points right after header, palette and masks.
  Bytes file() const {
    const Bytes h = header();
    Bytes b;
    put16(b, 0x4D42);
    put32(b, static_cast<uint32_t>(14 + h.size() + Bits.size()));
    put32(b, 0);
    put32(b, static_cast<uint32_t>(14 + h.size()));
    append(b, h);
    append(b, Bits);
    return b;
  }
};

// Records warnings and progress texts.
struct BmpTestHost : AppHost {
  std::vector<std::string> Warnings;
  std::vector<std::string> Progress;
  void ShowStatus(const char*) override {}
  void ShowProgress(const char* text) override { Progress.push_back(text); }
  void ShowWarning(const char*, const char* text) override { Warnings.push_back(text); }
  bool AskYesNo(const char*, const char*) override { return false; }
  void ShowHelp(const char*, const char*) override {}
  void WriteConsole(const char*) override {}
};


// Installs a BmpTestHost and the progress recorder for the lifetime of the object.
struct Recorder {
  BmpTestHost Host;
  AppHost* pPrevious;
  Recorder() : pPrevious(HOST_Get()) {
    HOST_Set(&Host);
  }
  ~Recorder() {
    HOST_Set(pPrevious);
  }
  const std::vector<std::string>& progress() const { return Host.Progress; }
};

std::string TempPath(const char* name);
void WriteFile(const std::string& path, const Bytes& data);
Bytes ReadFile(const std::string& path);

}  // namespace bmptest
