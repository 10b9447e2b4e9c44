// Times the colour and geometry operations on one BMP: colour counting, best palette,
// dither to 565, reduce to 16 colours and scale to 1000 x 750. Each operation runs on
// a fresh copy of the image; prints the median of the runs in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/document/image.h"
#include "bitmap/transform/transform.h"

static double median_ms(int runs, const ImageDocument* source, const std::function<ImageDocument*(ImageDocument*)>& op) {
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    ImageDocument* doc = IMAGE_Clone(source);
    const auto t0 = std::chrono::steady_clock::now();
    ImageDocument* out = op(doc);
    const auto t1 = std::chrono::steady_clock::now();
    IMAGE_Free(out);
    t.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s photo.bmp [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  ImageDocument* photo = IMAGE_ReadBMP(argv[1]);
  if (!photo) return 1;
  std::printf("image %dx%d\n", photo->XSize, photo->YSize);
  int colours = 0;
  std::printf("count colours    %8.1f ms\n", median_ms(runs, photo, [&](ImageDocument* d) {
                colours = IMAGE_CountColors(d);
                return d;
              }));
  std::printf("  (%d colours)\n", colours);
  std::printf("best palette     %8.1f ms\n", median_ms(runs, photo, IMAGE_ConvertToBestPalette));
  std::printf("dither to 565    %8.1f ms\n",
              median_ms(runs, photo, [](ImageDocument* d) { return IMAGE_DitherToFormat(d, &COLOR_FORMAT_565); }));
  std::printf("reduce to 16     %8.1f ms\n", median_ms(runs, photo, [](ImageDocument* d) { return IMAGE_ReduceColors(d, 16); }));
  std::printf("scale 1000x750   %8.1f ms\n", median_ms(runs, photo, [](ImageDocument* d) { return IMAGE_Scale(d, 1000, 750); }));
  IMAGE_Free(photo);
  return 0;
}
