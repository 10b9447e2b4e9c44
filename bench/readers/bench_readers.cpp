// Times the image readers on one file: each run reads the file and decodes it into a
// document, as opening it in the converter does. Prints every run and the median (ms).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bitmap/formats/gif/gif.h"
#include "bitmap/formats/jpeg/jpeg.h"
#include "bitmap/formats/png/png_reader.h"
#include "common/host/app_host.h"

namespace {

struct QuietHost : AppHost {
  void ShowStatus(const char*) override {}
  void ShowWarning(const char*, const char* text) override { std::fprintf(stderr, "warning: %s\n", text); }
  bool AskYesNo(const char*, const char*) override { return false; }
  void ShowHelp(const char*, const char*) override {}
  void WriteConsole(const char*) override {}
};

// The GIF file reader without the palette clean-up (which belongs to the colour reduction).
ImageDocument* read_gif_frame(const char* path) {
  FILE* f = std::fopen(path, "rb");
  if (!f) return nullptr;
  std::vector<uint8_t> data;
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) data.insert(data.end(), buf, buf + n);
  std::fclose(f);
  GifInfo info = {};
  info.ByteCount = static_cast<uint32_t>(data.size());
  info.FirstGlobalFrame = -1;
  info.FrameCount = 1;
  GifFrame frame = {};
  return GIF_Parse(data.data(), &info, &frame, 0) == GIF_OK ? frame.pImage : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s jpeg|gif|gif-clean|png FILE RUNS\n", argv[0]);
    return 2;
  }
  QuietHost host;
  HOST_Set(&host);
  ImageDocument* (*read)(const char*) = nullptr;
  if (!std::strcmp(argv[1], "jpeg")) read = IMAGE_ReadJPEG;
  if (!std::strcmp(argv[1], "gif")) read = read_gif_frame;
  if (!std::strcmp(argv[1], "gif-clean")) read = GIF_Read;
  if (!std::strcmp(argv[1], "png")) read = IMAGE_ReadPNG;
  if (!read) return 2;
  const int runs = std::atoi(argv[3]);
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    ImageDocument* doc = read(argv[2]);
    const auto t1 = std::chrono::steady_clock::now();
    if (!doc) {
      std::fprintf(stderr, "%s: not decoded\n", argv[2]);
      return 1;
    }
    IMAGE_Free(doc);
    ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  std::vector<double> sorted = ms;
  std::sort(sorted.begin(), sorted.end());
  std::printf("%.1f", sorted[sorted.size() / 2]);
  for (double v : ms) std::printf(" %.1f", v);
  std::printf("\n");
  return 0;
}
