// Fuzz target for the BMP file reader: the input is written to a temporary file and
// read back through IMAGE_ReadBMP, so the file-header handling is covered too.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"
#include "common/host/app_host.h"

namespace {
struct SilentHost : AppHost {
  void ShowStatus(const char*) override {}
  void ShowWarning(const char*, const char*) override {}
  bool AskYesNo(const char*, const char*) override { return false; }
  void ShowHelp(const char*, const char*) override {}
  void WriteConsole(const char*) override {}
};
volatile uint32_t g_sink;  // keeps the reads of every output byte
uint32_t get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SilentHost host;
  static const std::string path = "/tmp/fuzz_bmp_" + std::to_string(getpid()) + ".bmp";
  HOST_Set(&host);
  // Keep documents small so the fuzzer spends its time in the decoders.
  uint8_t head[26] = {};
  std::memcpy(head, data, size < sizeof(head) ? size : sizeof(head));
  int64_t w, h;
  if (get32(head + 14) == 12) {
    w = head[18] | (head[19] << 8);
    h = head[20] | (head[21] << 8);
  } else {
    w = static_cast<int32_t>(get32(head + 18));
    h = static_cast<int32_t>(get32(head + 22));
  }
  if (h < 0) h = -h;
  if (w > 4096 || h > 4096 || w * h > (1 << 20)) return 0;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  ImageDocument* doc = IMAGE_ReadBMP(path.c_str());
  if (doc) {
    uint32_t sum = 0;
    for (int32_t y = 0; y < doc->YSize; ++y)
      for (int32_t x = 0; x < doc->XSize; ++x) sum += IMAGE_GetColor(doc, x, y);
    for (int32_t i = 0; i < doc->NumColors; ++i) sum += IMAGE_GetPalColor(doc, i);
    IMAGE_Free(doc);
    g_sink = sum;
  }
  return 0;
}
