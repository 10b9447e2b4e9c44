// Firmware check of the C bitmap writer: a set of documents is saved in every format the
// command line accepts for them, every file is compiled with the tests' own graphics
// header and the reference decoder (cc -std=c99 -Wall -Wextra -Werror -pedantic, once
// with GUI_USE_ARGB 0 and once with 1), and every decoded pixel, palette entry and
// transparency flag is compared with the document.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "bitmap/document/image.h"
#include "bitmap/output/c_bitmap_format.h"
#include "bitmap/output/c_bitmap_writer.h"

namespace fs = std::filesystem;

#ifndef FIRMWARE_CC_EXTRA
#define FIRMWARE_CC_EXTRA ""
#endif

namespace {

struct DocDeleter {
  void operator()(ImageDocument* d) const { IMAGE_Free(d); }
};
using DocPtr = std::unique_ptr<ImageDocument, DocDeleter>;

struct TestImage {
  std::string Name;
  DocPtr Doc;
};

struct SavedFile {
  std::string Name;               // identifier and file base name
  const ImageDocument* Original;  // the document as the user has it
  DocPtr Converted;               // true-colour copy written for direct-colour formats
  const ImageDocument* Written;   // what the writer saw
  int Format;
  int WithoutPalette;
  bool UseARGB;
  long TrailerBytes;  // compressed formats: byte count in the array's trailer, else -1
};

struct Decoded {
  int XSize = 0, YSize = 0, BytesPerLine = 0, BitsPerPixel = 0, Status = -1, PixelKind = 0;
  unsigned long StreamBytes = 0;
  bool HasPalette = false;
  int NumEntries = 0, HasTrans = 0, HasEntries = 0;
  std::vector<uint32_t> Entries, Pixels;
};

ColorValue Rgb(uint32_t r, uint32_t g, uint32_t b, uint32_t t = 0) { return COLOR_Make(r & 255, g & 255, b & 255, t & 255); }

ImageDocument* Paletted(int w, int h, int colours, std::mt19937& rng, bool runs, bool transPalette) {
  ImageDocument* d = IMAGE_Create(w, h, colours);
  for (int i = 0; i < colours; ++i)
    IMAGE_SetPalColor(d, i, Rgb(rng(), rng(), rng(), transPalette ? (i % 3 == 0 ? 0 : rng()) : 0));
  uint32_t v = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!runs || rng() % 97 == 0) v = rng() % static_cast<uint32_t>(colours);
      IMAGE_SetIndex(d, x, y, v);
    }
  return d;
}

ImageDocument* TrueColour(int w, int h, bool alpha, std::mt19937& rng, bool runs) {
  ImageDocument* d = IMAGE_Create(w, h, 0);
  d->HasAlpha = alpha ? 1 : 0;
  ColorValue v = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!runs || rng() % 150 == 0) {
        uint32_t t = alpha ? (rng() % 4 == 0 ? 0 : rng() % 4 == 0 ? 255 : rng()) : 0;
        v = Rgb(rng(), rng(), rng(), t);
        if (rng() % 8 == 0) v = Rgb(255 * (x & 1), 255 * (y & 1), 255, t);  // channel extremes
      }
      IMAGE_SetIndex(d, x, y, v);
    }
  return d;
}

std::vector<TestImage> MakeImages() {
  std::mt19937 rng(20261208);
  std::vector<TestImage> images;
  auto add = [&](const char* name, ImageDocument* d) { images.push_back({name, DocPtr(d)}); };
  add("p2", Paletted(10, 3, 2, rng, false, false));
  images.back().Doc->HasTrans = 1;
  add("p4", Paletted(7, 5, 4, rng, false, true));
  add("p16", Paletted(300, 4, 16, rng, true, false));  // rows wrap
  images.back().Doc->HasTrans = 1;
  add("p200", Paletted(37, 9, 200, rng, false, false));  // noise
  add("p1x1", Paletted(1, 1, 2, rng, false, false));
  add("prun", Paletted(600, 3, 16, rng, true, false));  // runs across rows, longer than 254
  for (int x = 0; x < 600; ++x) IMAGE_SetIndex(images.back().Doc.get(), x, 1, 5);
  add("tc", TrueColour(300, 3, false, rng, false));  // rows wrap
  add("ta", TrueColour(33, 17, true, rng, false));
  add("t1x1", TrueColour(1, 1, true, rng, false));
  add("trun", TrueColour(600, 3, false, rng, true));
  add("tarun", TrueColour(257, 4, true, rng, true));
  return images;
}

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

long TrailerBytes(const std::string& text) {
  size_t p = text.find("};  // ");
  if (p == std::string::npos) return -1;
  return std::strtol(text.c_str() + p + 7, nullptr, 10);
}

class FirmwareBitmap : public ::testing::Test {
 protected:
  static std::vector<TestImage>* s_images;
  static std::vector<SavedFile>* s_files;
  static std::string* s_setupError;

  // One folder per process, so test processes running side by side do not meet.
  static fs::path WorkDir() { return fs::path(FIRMWARE_WORK_DIR) / std::to_string(getpid()); }

  static void SetUpTestSuite() {
    s_images = new std::vector<TestImage>(MakeImages());
    s_files = new std::vector<SavedFile>();
    s_setupError = new std::string();
    const fs::path dir = WorkDir();
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    int n = 0;
    for (TestImage& img : *s_images) {
      const ImageDocument* doc = img.Doc.get();
      for (int i = 0; i < CBITMAP_NumFormats; ++i) {
        const CBitmapFormat& f = CBITMAP_aFormat[i];
        // The saveas rules: palette formats need a palette of at most MaxColors entries;
        // they take NOPALETTE 0 and 1; the other formats only 1 (0 is refused).
        std::vector<std::pair<int, bool>> variants;
        if (f.HasPalette) {
          if (doc->NumColors == 0 || doc->NumColors > f.MaxColors) continue;
          variants = {{0, false}, {1, false}, {0, true}};
        } else {
          variants = {{1, false}};
        }
        for (auto [withoutPalette, useARGB] : variants) {
          SavedFile sf;
          sf.Name = img.Name + "_f" + std::to_string(f.Number) + "_n" + std::to_string(withoutPalette) +
                    (useARGB ? "_argb" : "") + "_" + std::to_string(n++);
          sf.Original = doc;
          sf.Written = doc;
          if (doc->NumColors && CBITMAP_IsDirectColorFormat(f.Number)) {
            sf.Converted = DocPtr(IMAGE_ToTrueColor(IMAGE_Clone(doc)));
            sf.Written = sf.Converted.get();
          }
          sf.Format = f.Number;
          sf.WithoutPalette = withoutPalette;
          sf.UseARGB = useARGB;
          const fs::path path = dir / (sf.Name + ".c");
          FILE* file = std::fopen(path.c_str(), "wb");
          SaveRequest r = {f.Number, withoutPalette, 1};
          const int rc = CBITMAP_Save(file, sf.Written, &r, path.c_str(), useARGB);
          std::fclose(file);
          if (rc != 0) *s_setupError += "save failed: " + sf.Name + "\n";
          sf.TrailerBytes = f.Kind == CBITMAP_DATA_RLE ? TrailerBytes(ReadFile(path)) : -1;
          s_files->push_back(std::move(sf));
        }
      }
    }
    std::ofstream main(dir / "main.c", std::ios::binary);
    main << "#include \"bitmap_decoder.h\"\n";
    for (const SavedFile& sf : *s_files) main << "extern GUI_CONST_STORAGE GUI_BITMAP bm" << sf.Name << ";\n";
    main << "int main(void) {\n";
    for (const SavedFile& sf : *s_files) main << "  BMPDEC_Print(stdout, \"" << sf.Name << "\", &bm" << sf.Name << ");\n";
    main << "  return 0;\n}\n";
  }

  static void TearDownTestSuite() {
    // Files of a failed run stay for inspection.
    const ::testing::TestSuite* suite = ::testing::UnitTest::GetInstance()->current_test_suite();
    std::error_code ec;
    if (suite && !suite->Failed()) fs::remove_all(WorkDir(), ec);
    delete s_files;
    delete s_images;
    delete s_setupError;
  }

  // Compiles every file with the given GUI_USE_ARGB, runs the program and parses its output.
  static bool CompileAndRun(int useArgb, std::map<std::string, Decoded>* out, std::string* log) {
    const fs::path dir = WorkDir();
    const std::string tag = std::to_string(useArgb);
    std::string cmd = "cd '" + dir.string() + "' && cc -std=c99 -Wall -Wextra -Werror -pedantic " +
                      std::string(FIRMWARE_CC_EXTRA) + " -I'" +
                      std::string(FIRMWARE_SOURCE_DIR) + "' -DGUI_USE_ARGB=" + tag + " '" +
                      std::string(FIRMWARE_SOURCE_DIR) + "/bitmap_decoder.c' main.c";
    for (const SavedFile& sf : *s_files) cmd += " " + sf.Name + ".c";
    cmd += " -o check" + tag + " > cc" + tag + ".log 2>&1 && ./check" + tag + " > decoded" + tag + ".txt";
    const int rc = std::system(cmd.c_str());
    *log = ReadFile(dir / ("cc" + tag + ".log"));
    if (rc != 0) return false;
    std::ifstream in(dir / ("decoded" + tag + ".txt"));
    std::string line;
    Decoded* cur = nullptr;
    while (std::getline(in, line)) {
      std::istringstream ls(line);
      std::string kind;
      ls >> kind;
      if (kind == "B") {
        std::string name;
        ls >> name;
        cur = &(*out)[name];
        ls >> cur->XSize >> cur->YSize >> cur->BytesPerLine >> cur->BitsPerPixel >> cur->Status >> cur->PixelKind >>
            cur->StreamBytes;
      } else if (kind == "P" && cur) {
        cur->HasPalette = true;
        ls >> cur->NumEntries >> cur->HasTrans >> cur->HasEntries;
        uint32_t v;
        while (ls >> std::hex >> v) cur->Entries.push_back(v);
      } else if (kind == "D" && cur) {
        uint32_t v;
        while (ls >> std::hex >> v) cur->Pixels.push_back(v);
      }
    }
    return true;
  }

  void CheckAll(int useArgb) {
    ASSERT_TRUE(s_setupError->empty()) << *s_setupError;
    std::map<std::string, Decoded> decoded;
    std::string log;
    ASSERT_TRUE(CompileAndRun(useArgb, &decoded, &log)) << log.substr(0, 4000);
    EXPECT_EQ(decoded.size(), s_files->size());
    for (const SavedFile& sf : *s_files) {
      auto it = decoded.find(sf.Name);
      ASSERT_NE(it, decoded.end()) << sf.Name;
      CheckFile(sf, it->second, useArgb);
    }
  }

  static void CheckFile(const SavedFile& sf, const Decoded& d, int useArgb);
};

std::vector<TestImage>* FirmwareBitmap::s_images;
std::vector<SavedFile>* FirmwareBitmap::s_files;
std::string* FirmwareBitmap::s_setupError;

int ChannelDiff(ColorValue a, ColorValue b, int shift) {
  return std::abs(static_cast<int>((a >> shift) & 255) - static_cast<int>((b >> shift) & 255));
}

// Largest error of a channel stored with the format's bits (4, 5 or 6).
int Tolerance(const ColorFormat* f, int shift) {
  if (f == &COLOR_FORMAT_444_12 || f == &COLOR_FORMAT_M444_12 || f == &COLOR_FORMAT_444_12_1 ||
      f == &COLOR_FORMAT_M444_12_1 || f == &COLOR_FORMAT_444_16 || f == &COLOR_FORMAT_M444_16)
    return 9;
  const bool sixBitGreen = (f == &COLOR_FORMAT_565 || f == &COLOR_FORMAT_M565) && shift == 8;
  return sixBitGreen ? 3 : 5;
}

void FirmwareBitmap::CheckFile(const SavedFile& sf, const Decoded& d, int useArgb) {
  const CBitmapFormat* f = CBITMAP_FindFormat(sf.Format);
  const ImageDocument* doc = sf.Original;
  const std::string where = sf.Name + " (GUI_USE_ARGB " + std::to_string(useArgb) + ")";
  ASSERT_EQ(d.Status, 0) << where;
  EXPECT_EQ(d.XSize, doc->XSize) << where;
  EXPECT_EQ(d.YSize, doc->YSize) << where;
  const size_t numPixels = static_cast<size_t>(doc->XSize) * static_cast<size_t>(doc->YSize);
  ASSERT_EQ(d.Pixels.size(), numPixels) << where;
  if (f->Kind == CBITMAP_DATA_RLE) {
    EXPECT_EQ(static_cast<long>(d.StreamBytes), sf.TrailerBytes) << where;
  }

  if (f->HasPalette) {
    ASSERT_TRUE(d.HasPalette) << where;
    EXPECT_EQ(d.NumEntries, doc->NumColors) << where;
    EXPECT_EQ(d.HasTrans, doc->HasTrans ? 1 : 0) << where;
    EXPECT_EQ(d.HasEntries, sf.WithoutPalette ? 0 : 1) << where;
    if (!sf.WithoutPalette) {
      ASSERT_EQ(d.Entries.size(), static_cast<size_t>(doc->NumColors)) << where;
      for (int i = 0; i < doc->NumColors; ++i) {  // the file keeps the colour, not the transparency byte
        ASSERT_EQ(d.Entries[static_cast<size_t>(i)], IMAGE_GetPalColor(doc, i) & 0xFFFFFFu) << where << " entry " << i;
      }
    }
    for (size_t p = 0; p < numPixels; ++p) {
      const int x = static_cast<int>(p % static_cast<size_t>(doc->XSize)), y = static_cast<int>(p / static_cast<size_t>(doc->XSize));
      ASSERT_EQ(d.Pixels[p], IMAGE_GetIndex(doc, x, y)) << where << " pixel " << x << "," << y;
    }
    return;
  }
  EXPECT_FALSE(d.HasPalette) << where;
  const bool hasAlpha = sf.Written->HasAlpha != 0;
  for (size_t p = 0; p < numPixels; ++p) {
    const int x = static_cast<int>(p % static_cast<size_t>(doc->XSize)), y = static_cast<int>(p / static_cast<size_t>(doc->XSize));
    const ColorValue c = IMAGE_GetColor(doc, x, y);
    const uint32_t t = COLOR_Trans(c);
    const ColorValue got = d.Pixels[p];
    ColorValue want = 0;
    switch (f->Kind) {
      case CBITMAP_DATA_16:
      case CBITMAP_DATA_ALPHA16:
      case CBITMAP_DATA_RLE:
        if (f->pColorFormat) {
          const ColorFormat* cf = f->pColorFormat;
          want = cf->pfIndex2Color(cf->pfColor2Index(c & 0xFFFFFFu)) & 0xFFFFFFu;
          for (int shift = 0; shift <= 16; shift += 8) {
            ASSERT_LE(ChannelDiff(got, c, shift), Tolerance(cf, shift)) << where << " pixel " << x << "," << y;
          }
          if (f->Kind == CBITMAP_DATA_ALPHA16) want |= t << 24;
        } else if (f->Rle == RLE_VARIANT_ALPHA) {
          want = t << 24;
        } else {  // RLE32
          want = c;
        }
        break;
      case CBITMAP_DATA_24:
        want = c & 0xFFFFFFu;
        break;
      case CBITMAP_DATA_32:
        // Formats 16 and 29 store the byte so that their draw methods read T with alpha and
        // 255 - T without; format 99 stores each variant for its own draw method.
        want = (c & 0xFFFFFFu) | ((f->Number == 99 || hasAlpha ? t : 255 - t) << 24);
        break;
      default:
        break;
    }
    ASSERT_EQ(got, want) << where << " pixel " << x << "," << y << " colour " << std::hex << c;
  }
}

TEST_F(FirmwareBitmap, EveryFormatCompilesAndDecodesWithClassicColours) { CheckAll(0); }

TEST_F(FirmwareBitmap, EveryFormatCompilesAndDecodesWithArgbColours) { CheckAll(1); }

TEST_F(FirmwareBitmap, TheSetCoversEveryFormat) {
  std::map<int, int> count;
  for (const SavedFile& sf : *s_files) ++count[sf.Format];
  for (int i = 0; i < CBITMAP_NumFormats; ++i) EXPECT_GE(count[CBITMAP_aFormat[i].Number], 3) << CBITMAP_aFormat[i].Number;
}

}  // namespace
