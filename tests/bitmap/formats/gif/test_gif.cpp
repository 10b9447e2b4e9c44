// GIF parser and frame decoder without the palette clean-up (that is the file reader's,
// tested with the colour reduction).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bitmap/formats/gif/gif.h"
#include "bitmap/formats/gif/gif_test_util.h"
#include "bitmap/formats/reader_test_util.h"

namespace {

struct Decoded {
  int Status;
  GifInfo Info;
  GifFrame Frame;
};

Decoded decode(const std::vector<uint8_t>& f, int index = 0) {
  Decoded d = {};
  d.Info.ByteCount = uint32_t(f.size());
  d.Info.FirstGlobalFrame = -1;
  d.Info.FrameCount = 1;
  d.Status = GIF_Parse(f.data(), &d.Info, &d.Frame, index);
  if (d.Status) {
    EXPECT_EQ(d.Frame.pImage, nullptr);
  }
  return d;
}

GifInfo walk(const std::vector<uint8_t>& f, int* pStatus) {
  GifInfo info = {};
  info.ByteCount = uint32_t(f.size());
  *pStatus = GIF_Parse(f.data(), &info, nullptr, 0);
  return info;
}

GifSpec one_frame(int w, int h) {
  GifSpec s;
  s.ScreenW = w;
  s.ScreenH = h;
  s.Global = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  GifSpec::Frame f;
  f.W = w;
  f.H = h;
  for (int i = 0; i < w * h; ++i) f.Pixels.push_back(uint8_t((i * 7 + i / w) % 4));
  s.Frames.push_back(f);
  return s;
}

}  // namespace

TEST(Gif, DecodesIndicesAndPalette) {
  GifSpec s = one_frame(5, 3);
  auto d = decode(gif_build(s));
  ASSERT_EQ(d.Status, GIF_OK);
  ImageDocument* doc = d.Frame.pImage;
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->NumColors, 4);
  EXPECT_EQ(doc->HasTrans, 0);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 0), 0x0000FFu);  // red stored as ColorValue
  EXPECT_EQ(IMAGE_GetPalColor(doc, 2), 0xFF0000u);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(IMAGE_GetIndex(doc, x, y), s.Frames[0].Pixels[y * 5 + x]);
  IMAGE_Free(doc);
}

TEST(Gif, InterlacedEqualsPlain) {
  for (int h : {1, 2, 3, 5, 8, 9, 17}) {
    GifSpec a = one_frame(6, h), b = a;
    b.Frames[0].Interlaced = true;
    auto da = decode(gif_build(a)), db = decode(gif_build(b));
    ASSERT_EQ(da.Status, GIF_OK);
    ASSERT_EQ(db.Status, GIF_OK) << h;
    EXPECT_EQ(std::memcmp(da.Frame.pImage->pBits, db.Frame.pImage->pBits, size_t(da.Frame.pImage->BytesPerLine) * h), 0) << h;
    IMAGE_Free(da.Frame.pImage);
    IMAGE_Free(db.Frame.pImage);
  }
  // The same for the corpus twins.
  auto a = decode(ReadBytes(TestData("corpus/gif/go/video-001.gif")));
  auto b = decode(ReadBytes(TestData("corpus/gif/go/video-001.interlaced.gif")));
  ASSERT_TRUE(a.Frame.pImage && b.Frame.pImage);
  EXPECT_EQ(std::memcmp(a.Frame.pImage->pBits, b.Frame.pImage->pBits, size_t(a.Frame.pImage->BytesPerLine) * 103), 0);
  IMAGE_Free(a.Frame.pImage);
  IMAGE_Free(b.Frame.pImage);
}

TEST(Gif, SmallTransparentFrameFillsTheScreen) {
  GifSpec s;
  s.ScreenW = 6;
  s.ScreenH = 5;
  s.Global = {0x112233, 0x445566, 0x778899, 0xAABBCC};
  GifSpec::Frame f;
  f.Left = 2;
  f.Top = 1;
  f.W = 5;  // one column beyond the screen: dropped
  f.H = 2;
  f.Pixels = {1, 1, 2, 2, 1, 3, 3, 2, 2, 1};
  f.Gce = 1;
  f.Trans = 2;
  s.Frames.push_back(f);
  auto d = decode(gif_build(s));
  ASSERT_EQ(d.Status, GIF_OK);
  ImageDocument* doc = d.Frame.pImage;
  EXPECT_EQ(doc->XSize, 6);
  EXPECT_EQ(doc->YSize, 5);
  // The transparent entry moved to index 0 and became white, fully transparent.
  EXPECT_EQ(doc->HasTrans, 1);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 0), 0xFFFFFFFFu);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 2), 0x332211u);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) {
      uint32_t want = 0;
      if (y >= 1 && y < 3 && x >= 2) {
        const uint8_t raw = f.Pixels[(y - 1) * 5 + (x - 2)];
        want = raw == 2 ? 0 : raw == 0 ? 2 : raw;
      }
      EXPECT_EQ(IMAGE_GetIndex(doc, x, y), want) << x << "," << y;
    }
  EXPECT_EQ(d.Frame.Delay, 100u);  // delay 0 counts as 100 ms
  IMAGE_Free(doc);
}

TEST(Gif, CountingWalkAndFramesByIndex) {
  GifSpec s = one_frame(4, 3);
  s.Frames[0].Gce = 1;
  s.Frames[0].Delay = 7;
  GifSpec::Frame second = s.Frames[0];
  second.Delay = 0;
  second.Local = {0x010203, 0x040506};
  second.Pixels.assign(12, 1);
  GifSpec::Frame third = second;
  third.Gce = 0;  // keeps the delay of the extension before it
  third.Local.clear();
  third.Pixels.assign(12, 3);
  s.Frames.push_back(second);
  s.Frames.push_back(third);
  const auto file = gif_build(s);
  int status;
  GifInfo info = walk(file, &status);
  ASSERT_EQ(status, GIF_OK);
  EXPECT_EQ(info.FrameCount, 3);
  EXPECT_EQ(info.TotalDelay, 170u);

  GifInfo shared = {};
  shared.ByteCount = uint32_t(file.size());
  shared.FirstGlobalFrame = -1;
  shared.FrameCount = 3;
  GifFrame frames[3] = {};
  for (int i = 0; i < 3; ++i) ASSERT_EQ(GIF_Parse(file.data(), &shared, &frames[i], i), GIF_OK) << i;
  EXPECT_EQ(shared.FirstGlobalFrame, 0);
  EXPECT_EQ(frames[0].Delay, 70u);
  EXPECT_EQ(frames[1].Delay, 100u);
  EXPECT_EQ(frames[2].Delay, 100u);
  EXPECT_EQ(frames[0].OwnPalette, -1);
  EXPECT_EQ(frames[1].OwnPalette, 1);
  EXPECT_EQ(frames[1].Colors, 2);
  EXPECT_EQ(frames[2].Colors, 4);
  EXPECT_EQ(IMAGE_GetColor(frames[1].pImage, 3, 2), 0x060504u);
  EXPECT_EQ(IMAGE_GetColor(frames[2].pImage, 0, 0), 0xFFFFFFu);
  for (auto& f : frames) IMAGE_Free(f.pImage);
  // A wanted frame beyond the last one, and a walk that misses the trailer.
  EXPECT_NE(decode(file, 3).Status, GIF_OK);
  auto cut = file;
  cut.pop_back();
  walk(cut, &status);
  EXPECT_EQ(status, GIF_EFORMAT);
  // Decoding the first frame needs no trailer.
  auto d = decode(cut);
  EXPECT_EQ(d.Status, GIF_OK);
  IMAGE_Free(d.Frame.pImage);
}

TEST(Gif, RefusedHeadersAndSizes) {
  auto f = gif_build(one_frame(4, 3));
  auto bad = f;
  bad[4] = '8';
  EXPECT_EQ(decode(bad).Status, GIF_EFORMAT);
  EXPECT_EQ(decode(gif_build(one_frame(2001, 1))).Status, GIF_ETOOLARGE);
  auto ok = decode(gif_build(one_frame(2000, 2)));
  EXPECT_EQ(ok.Status, GIF_OK);
  IMAGE_Free(ok.Frame.pImage);
  GifSpec none = one_frame(4, 3);
  none.Global.clear();
  EXPECT_EQ(decode(gif_build(none)).Status, GIF_EFORMAT);  // no colour table at all
  std::vector<uint8_t> ext = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x21, 0x2A, 0, 0x3B};
  EXPECT_EQ(decode(ext).Status, GIF_EFORMAT);  // unknown extension label
  std::vector<uint8_t> gce = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x21, 0xF9, 3, 0, 0, 0, 0, 0x3B};
  EXPECT_EQ(decode(gce).Status, GIF_EFORMAT);  // control extension of 3 bytes
  // Cut anywhere before the last data byte (the end code is in it): refused.
  for (size_t n = 0; n + 3 < f.size(); ++n) {
    std::vector<uint8_t> cutFile(f.begin(), f.begin() + n);
    auto d = decode(cutFile);
    EXPECT_NE(d.Status, GIF_OK) << n;
  }
}

TEST(Gif, CorruptImageData) {
  GifSpec s = one_frame(4, 3);
  auto f = gif_build(s);
  // Pixel index beyond the 4-entry table (code size 3 admits codes up to 7).
  GifSpec big = s;
  big.Frames[0].MinCodeSize = 3;
  big.Frames[0].Pixels[5] = 6;
  EXPECT_EQ(decode(gif_build(big)).Status, GIF_EDATA);
  // Minimum code size 12: the clear code would be 4096.
  GifSpec wide = s;
  wide.Frames[0].MinCodeSize = 12;
  EXPECT_EQ(decode(gif_build(wide)).Status, GIF_EDATA);
  // Every data byte replaced in turn: decoding ends, failing or not, without overrun.
  const size_t dataStart = f.size() - 12;
  for (size_t i = dataStart; i + 1 < f.size(); ++i)
    for (int v : {0x00, 0xFF, 0x5A}) {
      auto g = f;
      g[i] = uint8_t(v);
      auto d = decode(g);
      IMAGE_Free(d.Frame.pImage);
    }
}

TEST(Gif, TransparentIndexBeyondTheTableIsIgnored) {
  GifSpec s = one_frame(4, 3);
  s.Frames[0].Gce = 1;
  s.Frames[0].Trans = 9;
  auto d = decode(gif_build(s));
  ASSERT_EQ(d.Status, GIF_OK);
  EXPECT_EQ(d.Frame.TransIndex, -1);
  EXPECT_EQ(d.Frame.pImage->HasTrans, 0);
  IMAGE_Free(d.Frame.pImage);
}

// A picture whose LZW strings run to the 4095th code.
TEST(Gif, FullCodeTable) {
  for (const char* name : {"4095-codes.gif", "4095-codes-clear.gif", "max-codes.gif", "large-codes.gif"}) {
    auto d = decode(ReadBytes(TestData(std::string("corpus/gif/pygif-test-suite/") + name)));
    EXPECT_EQ(d.Status, GIF_OK) << name;
    IMAGE_Free(d.Frame.pImage);
  }
}

namespace {

// One image as giflib's giftext describes it: placement, colour map, raw indices.
struct RefImage {
  int Left = 0, Top = 0, W = 0, H = 0;
  bool Interlaced = false;
  int Trans = -1;
  std::vector<uint32_t> Map;  // the map the image uses
};

struct RefGif {
  int ScreenW = 0, ScreenH = 0;
  std::vector<RefImage> Images;
  std::vector<uint8_t> Raw;  // every image's indices in stream order
};

void parse_colours(const std::string& line, std::vector<uint32_t>* map) {
  const char* p = line.c_str();
  int idx;
  unsigned r, g, b;
  int used;
  while (std::sscanf(p, " %d: %xh %xh %xh%n", &idx, &r, &g, &b, &used) == 4) {
    map->push_back((r << 16) | (g << 8) | b);
    p += used;
  }
}

bool giftext(const std::string& path, RefGif* ref) {
  int status;
  auto text = RunCommand("giftext -c '" + path + "' 2>/dev/null", &status);
  if (status != 0) return false;
  ref->Raw = RunCommand("giftext -r '" + path + "' 2>/dev/null", &status);
  if (status != 0) return false;
  std::vector<uint32_t> global, *target = nullptr;
  int trans = -1;
  bool transOn = false;
  size_t start = 0;
  std::string s(text.begin(), text.end());
  while (start < s.size()) {
    size_t end = s.find('\n', start);
    if (end == std::string::npos) end = s.size();
    const std::string line = s.substr(start, end - start);
    start = end + 1;
    int a, b, c, d;
    if (std::sscanf(line.c_str(), " Screen Size - Width = %d, Height = %d", &a, &b) == 2) {
      ref->ScreenW = a;
      ref->ScreenH = b;
    } else if (line.find("Global Color Map:") != std::string::npos) {
      target = &global;
    } else if (line.find("Transparency on: yes") != std::string::npos) {
      transOn = true;
    } else if (line.find("Transparency on: no") != std::string::npos) {
      transOn = false;
      trans = -1;
    } else if (std::sscanf(line.c_str(), " Transparent Index: %d", &a) == 1) {
      trans = transOn ? a : -1;
    } else if (line.rfind("Image #", 0) == 0) {
      ref->Images.emplace_back();
      ref->Images.back().Trans = trans;
      target = nullptr;
    } else if (std::sscanf(line.c_str(), " Image Size - Left = %d, Top = %d, Width = %d, Height = %d", &a, &b, &c, &d) == 4) {
      RefImage& im = ref->Images.back();
      im.Left = a;
      im.Top = b;
      im.W = c;
      im.H = d;
    } else if (line.find("Image is Interlaced") != std::string::npos) {
      ref->Images.back().Interlaced = true;
    } else if (line.find("Image Has Color Map.") != std::string::npos) {
      target = &ref->Images.back().Map;
    } else if (line.find("No Image Color Map.") != std::string::npos) {
      ref->Images.back().Map = global;
      target = nullptr;
    } else if (target) {
      parse_colours(line, target);
    }
  }
  return true;
}

}  // namespace

// Every frame of the corpus against giflib: same colour at every screen position, with
// the transparent index shown as 0xFFFFFFFF and the area outside the frame transparent
// (or colour 0 of the frame's table when the frame has no transparency).
TEST(Gif, CorpusMatchesGiflib) {
  int status;
  auto list = RunCommand("cd '" + TestData("corpus/gif") + "' && find . -name '*.gif' | sort", &status);
  std::string names(list.begin(), list.end());
  int frames = 0, files = 0, skipped = 0;
  std::vector<std::string> refused;
  size_t start = 0;
  while (start < names.size()) {
    const size_t end = names.find('\n', start);
    const std::string name = names.substr(start + 2, end - start - 2);
    start = end + 1;
    SCOPED_TRACE(name);
    const std::string path = TestData("corpus/gif/" + name);
    RefGif ref;
    const auto file = ReadBytes(path);
    if (!giftext(path, &ref) || ref.Images.empty()) {
      // giflib refuses it: so must we, or at least survive it.
      for (int i = 0; i < 3; ++i) IMAGE_Free(decode(file, i).Frame.pImage);
      continue;
    }
    size_t total = 0;
    for (const RefImage& im : ref.Images) total += size_t(im.W) * im.H;
    if (total != ref.Raw.size()) {
      // giftext interleaves a text dump of extension blocks with the raw pixels.
      ++skipped;
      continue;
    }
    ++files;
    size_t rawPos = 0;
    for (size_t n = 0; n < ref.Images.size(); ++n) {
      const RefImage& im = ref.Images[n];
      const size_t count = size_t(im.W) * im.H;
      const size_t base = rawPos;
      rawPos += count;
      auto d = decode(file, int(n));
      if (d.Status != GIF_OK) {
        refused.push_back(name + "#" + std::to_string(n));
        continue;
      }
      ++frames;
      ImageDocument* doc = d.Frame.pImage;
      ASSERT_EQ(doc->XSize, ref.ScreenW);
      ASSERT_EQ(doc->YSize, ref.ScreenH);
      ASSERT_LE(base + count, ref.Raw.size());
      std::vector<int> rowOf(im.H);
      if (im.Interlaced) {
        auto order = gif_interlace_order(im.H);
        for (int i = 0; i < im.H; ++i) rowOf[order[i]] = i;
      } else {
        for (int i = 0; i < im.H; ++i) rowOf[i] = i;
      }
      const int trans = im.Trans < int(im.Map.size()) ? im.Trans : -1;
      int diff = 0;
      for (int y = 0; y < doc->YSize; ++y)
        for (int x = 0; x < doc->XSize; ++x) {
          uint32_t want;
          const int fx = x - im.Left, fy = y - im.Top;
          if (fx >= 0 && fy >= 0 && fx < im.W && fy < im.H) {
            const uint8_t idx = ref.Raw[base + size_t(rowOf[fy]) * im.W + fx];
            want = int(idx) == trans ? 0xFFFFFFFFu : (im.Map[idx] >> 16) | (im.Map[idx] & 0xFF00) | ((im.Map[idx] & 0xFF) << 16);
          } else {
            want = trans >= 0 ? 0xFFFFFFFFu : (im.Map[0] >> 16) | (im.Map[0] & 0xFF00) | ((im.Map[0] & 0xFF) << 16);
          }
          if (IMAGE_GetColor(doc, x, y) != want && diff++ < 3)
            ADD_FAILURE() << "frame " << n << " at " << x << "," << y << ": " << std::hex << IMAGE_GetColor(doc, x, y)
                          << " want " << want;
        }
      EXPECT_EQ(diff, 0) << "frame " << n;
      if (n == 0) {
        // The file reader's clean-up keeps every colour and moves transparency to index 0.
        GifInfo info = {};
        info.ByteCount = uint32_t(file.size());
        info.FirstGlobalFrame = -1;
        info.FrameCount = 1;
        info.pfPalette = GIF_CleanUpPalette;
        GifFrame frame = {};
        ASSERT_EQ(GIF_Parse(file.data(), &info, &frame, 0), GIF_OK);
        ImageDocument* clean = frame.pImage;
        ASSERT_NE(clean, nullptr);
        EXPECT_GE(clean->NumColors, 1);
        EXPECT_EQ(clean->HasTrans, trans >= 0 ? 1 : 0);
        int cleanDiff = 0;
        for (int y = 0; y < doc->YSize; ++y)
          for (int x = 0; x < doc->XSize; ++x) {
            const ColorValue want = IMAGE_GetColor(doc, x, y);
            const bool ok = want == 0xFFFFFFFFu ? IMAGE_GetIndex(clean, x, y) == 0 && clean->HasTrans
                                                 : IMAGE_GetColor(clean, x, y) == want &&
                                                       !(clean->HasTrans && IMAGE_GetIndex(clean, x, y) == 0);
            if (!ok && cleanDiff++ < 3) ADD_FAILURE() << "cleaned frame at " << x << "," << y;
          }
        EXPECT_EQ(cleanDiff, 0);
        IMAGE_Free(clean);
      }
      IMAGE_Free(doc);
    }
  }
  EXPECT_GT(files, 60);
  EXPECT_GT(frames, 500);
  EXPECT_LT(skipped, 10);
  // Refused on purpose: unknown extension labels, pixel indices beyond the table, and
  // screens wider or higher than 2000 pixels.
  const std::vector<std::string> expected = {
      "image-gif/regression/issue-209-extension-block-type.gif#0", "pygif-test-suite/invalid-colors.gif#0",
      "pygif-test-suite/max-height.gif#0", "pygif-test-suite/max-width.gif#0",
      "pygif-test-suite/unknown-extension.gif#0"};
  EXPECT_EQ(refused, expected);
  std::printf("giflib comparison: %d files, %d frames, %d skipped\n", files, frames, skipped);
}

namespace {

// A 256-entry table of which three colours are used, 6, 4 and 2 times.
GifSpec three_of_256(int trans) {
  GifSpec s;
  s.ScreenW = 4;
  s.ScreenH = 3;
  for (uint32_t i = 0; i < 256; ++i) s.Global.push_back(i * 0x010101u);
  GifSpec::Frame f;
  f.Pixels = {40, 40, 40, 200, 40, 40, 200, 200, 40, 7, 200, 7};
  if (trans >= 0) {
    f.Gce = 1;
    f.Trans = trans;
  }
  s.Frames.push_back(f);
  return s;
}

}  // namespace

TEST(GifReader, PaletteSortedByFrequency) {
  ScopedHost host;
  ImageDocument* doc = GIF_Read(WriteTemp("three.gif", gif_build(three_of_256(-1))).c_str());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->NumColors, 3);
  EXPECT_EQ(doc->HasTrans, 0);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 0), 40 * 0x010101u);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 1), 200 * 0x010101u);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 2), 7 * 0x010101u);
  EXPECT_EQ(IMAGE_GetColor(doc, 3, 0), 200 * 0x010101u);
  EXPECT_EQ(host.Host.WaitCursorOn, 0);
  IMAGE_Free(doc);
  EXPECT_TRUE(host.Host.Warnings.empty());
}

TEST(GifReader, TransparentIndexBecomesIndexZero) {
  ScopedHost host;
  ImageDocument* doc = GIF_Read(WriteTemp("three_t.gif", gif_build(three_of_256(200))).c_str());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->HasTrans, 1);
  // Index 0 and the two opaque colours; the colour reduction may keep a spare entry for
  // the transparent colour that no pixel uses.
  EXPECT_GE(doc->NumColors, 3);
  EXPECT_LE(doc->NumColors, 4);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(IMAGE_GetIndex(doc, 3, 0), 0u);
  EXPECT_EQ(IMAGE_GetIndex(doc, 2, 1), 0u);
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 0), 40 * 0x010101u);
  EXPECT_EQ(IMAGE_GetColor(doc, 1, 2), 7 * 0x010101u);
  IMAGE_Free(doc);
}

TEST(GifReader, Warnings) {
  ScopedHost host;
  GifSpec s = three_of_256(-1);
  s.Frames[0].MinCodeSize = 12;
  EXPECT_EQ(GIF_Read(WriteTemp("badlzw.gif", gif_build(s)).c_str()), nullptr);
  auto bad = gif_build(three_of_256(-1));
  bad[3] = '7';
  EXPECT_EQ(GIF_Read(WriteTemp("badsig.gif", bad).c_str()), nullptr);  // no message of its own
  std::vector<uint8_t> big(GIF_MAX_FILE_SIZE + 1, 0);
  EXPECT_EQ(GIF_Read(WriteTemp("big.gif", big).c_str()), nullptr);
  EXPECT_EQ(host.Host.Warnings, (std::vector<std::string>{"Image could not be read", "File too long"}));
  EXPECT_EQ(host.Host.WaitCursorOn, 0);
}

// A frame far larger than the screen: decoding stops after the rows the screen shows,
// before the (here missing) rest of the data.
TEST(Gif, HugeFrameOnASmallScreenStopsAtTheScreen) {
  GifSpec s = one_frame(3, 2);
  s.Frames[0].W = 5;
  s.Frames[0].H = 1000;
  s.Frames[0].Pixels.assign(5 * 1000, 1);
  auto file = gif_build(s);
  file.resize(file.size() / 2);  // cut the data: rows beyond the screen are never needed
  auto d = decode(file);
  ASSERT_EQ(d.Status, GIF_OK);
  EXPECT_EQ(IMAGE_GetIndex(d.Frame.pImage, 2, 1), 1u);
  IMAGE_Free(d.Frame.pImage);
  // A frame entirely right of the screen shows nothing.
  GifSpec off = one_frame(3, 2);
  off.Frames[0].Left = 3;
  auto e = decode(gif_build(off));
  ASSERT_EQ(e.Status, GIF_OK);
  EXPECT_EQ(IMAGE_GetIndex(e.Frame.pImage, 2, 1), 0u);
  IMAGE_Free(e.Frame.pImage);
}

// A document the memory cannot hold: the reader says so in its own words. The reader runs
// in a fresh process (no memory freed by earlier tests to reuse) whose address space has
// room for the file but not for the 2000 x 2000 document. Sanitizer builds reserve address
// space of their own and skip this.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VORIX_NO_ADDRESS_LIMIT 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORIX_NO_ADDRESS_LIMIT 1
#endif
#endif

TEST(GifReader, NoMemoryForTheDocumentIsReported) {
#ifdef VORIX_NO_ADDRESS_LIMIT
  GTEST_SKIP() << "address space limits do not apply under the sanitizers";
#else
  static const char kChild[] = "VORIX_GIF_NO_MEMORY_FILE";
  if (const char* path = std::getenv(kChild)) {  // the fresh process
    ScopedHost host;
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);  // large blocks from fresh mappings only
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t room = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (1u << 20);
    const struct rlimit limit = {room, room};
    if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(3);
    ImageDocument* doc = GIF_Read(path);
    const bool said = host.Host.Warnings == std::vector<std::string>{"Not enough memory to load the image"};
    _exit(doc != nullptr ? 1 : said ? 0 : 2);
  }
  GifSpec s = one_frame(1, 1);
  s.ScreenW = GIF_MAX_SCREEN_SIZE;
  s.ScreenH = GIF_MAX_SCREEN_SIZE;
  const std::string path = WriteTemp("huge_screen.gif", gif_build(s));
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    setenv(kChild, path.c_str(), 1);
    execl("/proc/self/exe", "/proc/self/exe", "--gtest_filter=GifReader.NoMemoryForTheDocumentIsReported",
          static_cast<char*>(nullptr));
    _exit(4);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);  // 1: the document was made, 2: another message
  // With the memory it needs, the same file reads.
  ScopedHost host;
  ImageDocument* doc = GIF_Read(path.c_str());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->XSize, GIF_MAX_SCREEN_SIZE);
  IMAGE_Free(doc);
#endif
}
