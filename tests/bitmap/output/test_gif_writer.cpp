// GIF files decoded by independent decoders (giflib's gif2rgb and ImageMagick) and by
// the tests' own LZW decoder, compared with the document's palette image.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bitmap/output/gif_writer.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

ImageDocument* paletted(int32_t w, int32_t h, int numColors, uint32_t seed, bool noisy) {
  ImageDocument* doc = IMAGE_Create(w, h, numColors);
  for (int i = 0; i < numColors; ++i)
    IMAGE_SetPalColor(doc, i, static_cast<ColorValue>((i * 0x9E3779B1u) & 0xFFFFFFu));
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const uint32_t v = noisy ? seed >> 24 : static_cast<uint32_t>((x / 5 + y / 3) * 7);
      IMAGE_SetIndex(doc, x, y, v % static_cast<uint32_t>(numColors));
    }
  return doc;
}

std::string write_gif(const ImageDocument* doc, const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  auto w = std::make_unique<OutWriter>();
  OUT_Init(w.get(), f);
  EXPECT_TRUE(GIF_Write(doc, w.get()));
  EXPECT_TRUE(OUT_Flush(w.get()));
  std::fclose(f);
  return read_whole_file(path);
}

// The tests' own decoder of the image data: indices, and what the stream used.
struct LzwResult {
  std::vector<uint8_t> Indices;
  int MaxWidth = 0;
  int NumClears = 0;
  bool Ended = false;
};

LzwResult lzw_decode(const std::string& file, size_t at, size_t numPixels) {
  LzwResult r;
  const int m = static_cast<uint8_t>(file[at++]);
  std::string data;
  while (at < file.size() && file[at] != 0) {
    const size_t n = static_cast<uint8_t>(file[at]);
    data += file.substr(at + 1, n);
    at += n + 1;
  }
  const int clear = 1 << m;
  std::vector<std::vector<uint8_t>> table;
  auto reset = [&] {
    table.assign(static_cast<size_t>(clear + 2), {});
    for (int i = 0; i < clear; ++i) table[static_cast<size_t>(i)] = {static_cast<uint8_t>(i)};
  };
  reset();
  int width = m + 1;
  size_t bitPos = 0;
  int prev = -1;
  while (bitPos + static_cast<size_t>(width) <= data.size() * 8) {
    int code = 0;
    for (int b = 0; b < width; ++b, ++bitPos)
      code |= ((static_cast<uint8_t>(data[bitPos / 8]) >> (bitPos % 8)) & 1) << b;
    r.MaxWidth = std::max(r.MaxWidth, width);
    if (code == clear) {
      ++r.NumClears;
      reset();
      width = m + 1;
      prev = -1;
      continue;
    }
    if (code == clear + 1) {
      r.Ended = true;
      break;
    }
    std::vector<uint8_t> entry;
    if (code < static_cast<int>(table.size()))
      entry = table[static_cast<size_t>(code)];
    else if (code == static_cast<int>(table.size()) && prev >= 0) {
      entry = table[static_cast<size_t>(prev)];
      entry.push_back(entry[0]);
    } else {
      break;  // invalid code
    }
    if (prev >= 0 && table.size() < 4096) {
      std::vector<uint8_t> added = table[static_cast<size_t>(prev)];
      added.push_back(entry[0]);
      table.push_back(added);
    }
    r.Indices.insert(r.Indices.end(), entry.begin(), entry.end());
    prev = code;
    if (table.size() == (1u << width) && width < 12) ++width;
  }
  if (r.Indices.size() > numPixels) r.Indices.resize(numPixels);
  return r;
}

std::string rgb_of(const ImageDocument* doc) {
  std::string rgb;
  for (int32_t y = 0; y < doc->YSize; ++y)
    for (int32_t x = 0; x < doc->XSize; ++x) {
      const ColorValue c = IMAGE_GetColor(doc, x, y);
      rgb += {static_cast<char>(COLOR_Red(c)), static_cast<char>(COLOR_Green(c)), static_cast<char>(COLOR_Blue(c))};
    }
  return rgb;
}

struct Case {
  const char* Name;
  int32_t W, H;
  int NumColors;
  bool Noisy;
  int Packed, MinCodeSize;
};

TEST(GifWriter, FilesDecodeToTheDocumentWithIndependentDecoders) {
  const Case cases[] = {
      {"one pixel", 1, 1, 1, false, 0x80, 2},   {"two colours", 13, 7, 2, false, 0x80, 2},
      {"three colours", 9, 9, 3, false, 0x91, 2}, {"200 colours", 40, 30, 200, true, 0xF7, 8},
      {"large noisy", 700, 500, 256, true, 0xF7, 8},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ImageDocument* doc = paletted(c.W, c.H, c.NumColors, 7, c.Noisy);
    const std::string gif = dir / "x.gif";
    const std::string bytes = write_gif(doc, gif);
    ASSERT_GT(bytes.size(), 13u);
    EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
    EXPECT_EQ(static_cast<uint8_t>(bytes[10]), c.Packed);
    const size_t table = 3u * GIF_TableSize(c.NumColors);
    if (c.NumColors == 3) {
      EXPECT_EQ(bytes.substr(13 + 9, 3), "\xFF\xFF\xFF");  // padded with white
    }
    const size_t image = 13 + table;
    ASSERT_EQ(bytes[image], 0x2C);
    EXPECT_EQ(static_cast<uint8_t>(bytes[image + 10]), c.MinCodeSize);
    EXPECT_EQ(bytes.back(), 0x3B);

    const size_t numPixels = static_cast<size_t>(c.W) * c.H;
    const LzwResult own = lzw_decode(bytes, image + 10, numPixels);
    EXPECT_TRUE(own.Ended);
    ASSERT_EQ(own.Indices.size(), numPixels);
    for (size_t i = 0; i < numPixels; ++i)
      ASSERT_EQ(own.Indices[i], IMAGE_GetIndex(doc, static_cast<int32_t>(i % c.W), static_cast<int32_t>(i / c.W)));
    if (c.W == 700) {
      EXPECT_EQ(own.MaxWidth, 12);
      EXPECT_GT(own.NumClears, 10);
    }

    const std::string expected = rgb_of(doc);
    ProcessResult g = run_process("/usr/bin/gif2rgb", {"-1", "-o", dir / "g.rgb", gif}, dir.Path.string(), "");
    ASSERT_EQ(g.ExitCode, 0) << g.Err;
    EXPECT_TRUE(read_whole_file(dir / "g.rgb") == expected) << "gif2rgb";
    ProcessResult m = run_process("/usr/bin/convert", {gif, "-depth", "8", "rgb:" + dir / "m.rgb"},
                                  dir.Path.string(), "");
    ASSERT_EQ(m.ExitCode, 0) << m.Err;
    EXPECT_TRUE(read_whole_file(dir / "m.rgb") == expected) << "ImageMagick";
    IMAGE_Free(doc);
  }
}

TEST(GifWriter, TransparentIndexZeroCarriesTheControlExtension) {
  TempDir dir;
  ImageDocument* doc = paletted(6, 4, 5, 3, true);
  IMAGE_SetTransIndex(doc, 0);
  const std::string gif = dir / "t.gif";
  const std::string bytes = write_gif(doc, gif);
  const size_t at = 13 + 3 * 8;
  EXPECT_EQ(bytes.substr(at, 8), std::string("\x21\xF9\x04\x01\x00\x00\x00\x00", 8));
  ProcessResult m = run_process("/usr/bin/convert", {gif, "-depth", "8", "rgba:" + dir / "m.rgba"},
                                dir.Path.string(), "");
  ASSERT_EQ(m.ExitCode, 0) << m.Err;
  const std::string rgba = read_whole_file(dir / "m.rgba");
  ASSERT_EQ(rgba.size(), 6u * 4 * 4);
  for (int32_t i = 0; i < 24; ++i) {
    const bool transparent = IMAGE_GetIndex(doc, i % 6, i / 6) == 0;
    EXPECT_EQ(static_cast<uint8_t>(rgba[static_cast<size_t>(4 * i + 3)]), transparent ? 0 : 255) << i;
  }
  IMAGE_Free(doc);
}

TEST(GifWriter, RefusesDocumentsWithoutAFittingPaletteAndFailedWrites) {
  ImageDocument* trueColor = IMAGE_Create(2, 2, 0);
  auto w = std::make_unique<OutWriter>();
  FILE* f = std::fopen("/dev/full", "wb");
  ASSERT_NE(f, nullptr);
  OUT_Init(w.get(), f);
  EXPECT_FALSE(GIF_Write(trueColor, w.get()));
  ImageDocument* doc = paletted(300, 300, 256, 1, true);
  EXPECT_FALSE(GIF_Write(doc, w.get()) && OUT_Flush(w.get()));
  std::fclose(f);
  IMAGE_Free(doc);
  IMAGE_Free(trueColor);
}

}  // namespace
