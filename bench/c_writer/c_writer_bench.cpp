// Speed of the C bitmap writer against plain file writing: saves a 2048 x 2048 image in
// formats 8, 16, 12 (true colour), 5, 8 and 18 (8-bit palette), several times each, and after
// each save lets dd write the same number of bytes into the same folder. Prints the
// median speeds in MB/s (10^6 bytes), their ratio, and the median of the ratios of each
// save to the dd run right after it (steadier on a busy machine), and the median time of
// the same save into /dev/null (the formatting alone).
//
// Usage: c_writer_bench <output folder> [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bitmap/document/image.h"
#include "bitmap/output/c_bitmap_writer.h"

namespace {

const int kSize = 2048;

// A picture with what real artwork has: flat areas, smooth gradients and noisy detail.
ImageDocument* make_true_colour() {
  ImageDocument* d = IMAGE_Create(kSize, kSize, 0);
  std::mt19937 rng(1);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      ColorValue c;
      const int region = (x / 256 + y / 256) % 3;
      if (region == 0)
        c = COLOR_Make(40, 90, 200);  // flat
      else if (region == 1)
        c = COLOR_Make(x & 255, y & 255, (x + y) & 255);  // gradient
      else
        c = rng() & 0xFFFFFF;  // detail
      IMAGE_SetIndex(d, x, y, c);
    }
  return d;
}

ImageDocument* make_paletted() {
  ImageDocument* d = IMAGE_Create(kSize, kSize, 256);
  for (int i = 0; i < 256; ++i) IMAGE_SetPalColor(d, i, COLOR_Make(i, 255 - i, (i * 7) & 255));
  std::mt19937 rng(2);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) IMAGE_SetIndex(d, x, y, ((x / 256 + y / 256) % 2) ? rng() & 255 : (x ^ y) & 255);
  return d;
}

double now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Saves once; returns seconds and the file size.
double save_once(const ImageDocument* doc, int format, const std::string& path, long* pSize) {
  std::remove(path.c_str());
  double t0 = now();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::perror(path.c_str());
    std::exit(1);
  }
  SaveRequest r = {format, format <= 7 ? 0 : 1, 1};
  int rc = CBITMAP_Save(f, doc, &r, path.c_str(), false);
  std::fclose(f);
  double t = now() - t0;
  if (rc != 0) {
    std::fprintf(stderr, "save failed\n");
    std::exit(1);
  }
  FILE* g = std::fopen(path.c_str(), "rb");
  std::fseek(g, 0, SEEK_END);
  *pSize = std::ftell(g);
  std::fclose(g);
  return t;
}

// Formatting alone: the same save into /dev/null; returns seconds.
double format_once(const ImageDocument* doc, int format) {
  FILE* f = std::fopen("/dev/null", "wb");
  if (!f) std::exit(1);
  SaveRequest r = {format, format <= 7 ? 0 : 1, 1};
  double t0 = now();
  int rc = CBITMAP_Save(f, doc, &r, "bench_out.c", false);
  double t = now() - t0;
  std::fclose(f);
  if (rc != 0) std::exit(1);
  return t;
}

// dd writes size bytes from /dev/zero; returns the seconds dd reports.
double dd_once(long size, const std::string& path) {
  std::remove(path.c_str());
  std::string cmd = "dd if=/dev/zero of='" + path + "' bs=1M count=" + std::to_string(size) +
                    " iflag=count_bytes 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) std::exit(1);
  char line[512];
  double seconds = -1;
  while (std::fgets(line, sizeof(line), p)) {
    // "... bytes (...) copied, 0.0123 s, 2.7 GB/s"
    const char* c = std::strstr(line, "copied, ");
    if (c) seconds = std::strtod(c + 8, nullptr);
  }
  pclose(p);
  if (seconds <= 0) {
    std::fprintf(stderr, "could not read dd's time\n");
    std::exit(1);
  }
  return seconds;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output folder> [runs]\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
  ImageDocument* tc = make_true_colour();
  ImageDocument* pal = make_paletted();
  struct Case {
    const char* Name;
    const ImageDocument* Doc;
    int Format;
  } cases[] = {{"format 8 (565 text)", tc, 8},
               {"format 16 (32-bit text)", tc, 16},
               {"format 12 (RLE16)", tc, 12},
               {"format 5 (8-bit palette)", pal, 5},
               {"format 8 from a palette", pal, 8},
               {"format 18 (RLE alpha), pal.", pal, 18}};
  std::printf("%-28s %10s %12s %12s %7s %11s %10s\n", "case (2048 x 2048)", "bytes", "writer MB/s", "dd MB/s",
              "ratio", "pair ratio", "format ms");
  int failures = 0;
  for (const Case& c : cases) {
    std::vector<double> writer, dd, pairs, formatting;
    long size = 0;
    save_once(c.Doc, c.Format, dir + "/bench_out.c", &size);  // warm-up
    for (int i = 0; i < runs; ++i) {
      writer.push_back(save_once(c.Doc, c.Format, dir + "/bench_out.c", &size));
      dd.push_back(dd_once(size, dir + "/bench_dd.bin"));
      pairs.push_back(dd.back() / writer.back());  // writer speed / dd speed of neighbouring runs
      formatting.push_back(format_once(c.Doc, c.Format));
    }
    const double w = size / median(writer) / 1e6, d = size / median(dd) / 1e6;
    const double pair = median(pairs);
    std::printf("%-28s %10ld %12.0f %12.0f %7.2f %11.2f %10.1f\n", c.Name, size, w, d, w / d, pair,
                median(formatting) * 1e3);
    if (w < d / 3) ++failures;
  }
  std::remove((dir + "/bench_out.c").c_str());
  std::remove((dir + "/bench_dd.bin").c_str());
  IMAGE_Free(tc);
  IMAGE_Free(pal);
  const int numCases = static_cast<int>(sizeof(cases) / sizeof(cases[0]));
  std::printf("%s: C text at least a third of dd's speed in %d of %d cases (median of %d runs)\n",
              failures ? "BELOW GOAL" : "OK", numCases - failures, numCases, runs);
  return failures ? 1 : 0;
}
