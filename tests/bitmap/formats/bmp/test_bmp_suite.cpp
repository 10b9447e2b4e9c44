// Conformance with the BMP Suite and real-world V5 files: good files load with the
// pixels of their reference PNGs (decoded here with libpng itself) and of their
// equivalent files, questionable ones load or are refused cleanly, bad ones are
// refused or load only where the damage is in fields the reader does not use.
#include <dirent.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <string>
#include <vector>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/formats/bmp/bmp_test_util.h"

namespace {

const std::string kCorpus = std::string(VORIX_TEST_DATA_DIR) + "/corpus/";
const std::string kSuite = kCorpus + "bmpsuite/";

struct Rgba {
  int Width = 0, Height = 0;
  std::vector<uint8_t> Pixels;  // rows from the top, red, green, blue, alpha
};

// 8-bit RGBA without gamma or colour-space handling, so the values are the file's own.
bool load_png(const std::string& path, Rgba* out) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  out->Width = static_cast<int>(png_get_image_width(png, info));
  out->Height = static_cast<int>(png_get_image_height(png, info));
  out->Pixels.assign(static_cast<size_t>(out->Width) * out->Height * 4, 0);
  std::vector<png_bytep> rows(static_cast<size_t>(out->Height));
  for (int y = 0; y < out->Height; ++y) rows[y] = out->Pixels.data() + static_cast<size_t>(y) * out->Width * 4;
  png_read_image(png, rows.data());
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(f);
  return true;
}

struct Loaded {
  ImageDocument* pDoc = nullptr;
  std::vector<std::string> Warnings, Progress;
  Loaded() = default;
  Loaded(const Loaded&) = delete;
  ~Loaded() { IMAGE_Free(pDoc); }
};

void load(const std::string& path, Loaded* out) {
  bmptest::Recorder rec;
  out->pDoc = IMAGE_ReadBMP(path.c_str());
  out->Warnings = rec.Host.Warnings;
  out->Progress = rec.progress();
}

// Largest channel difference against the PNG; alpha is compared when the document has
// an alpha channel, colours only where the reference pixel is not fully transparent.
int max_difference(const ImageDocument* doc, const Rgba& ref) {
  int worst = 0;
  for (int y = 0; y < doc->YSize; ++y) {
    for (int x = 0; x < doc->XSize; ++x) {
      const ColorValue c = IMAGE_GetColor(doc, x, y);
      const uint8_t* p = &ref.Pixels[(static_cast<size_t>(y) * ref.Width + x) * 4];
      const int alpha = doc->HasAlpha ? 255 - static_cast<int>(COLOR_Trans(c)) : 255;
      worst = std::max(worst, std::abs(alpha - p[3]));
      if (p[3] == 0) continue;
      worst = std::max({worst, std::abs(static_cast<int>(COLOR_Red(c)) - p[0]),
                        std::abs(static_cast<int>(COLOR_Green(c)) - p[1]),
                        std::abs(static_cast<int>(COLOR_Blue(c)) - p[2])});
    }
  }
  return worst;
}

bool same_colours(const ImageDocument* a, const ImageDocument* b) {
  if (a->XSize != b->XSize || a->YSize != b->YSize) return false;
  for (int y = 0; y < a->YSize; ++y)
    for (int x = 0; x < a->XSize; ++x)
      if ((IMAGE_GetColor(a, x, y) & 0xFFFFFF) != (IMAGE_GetColor(b, x, y) & 0xFFFFFF)) return false;
  return true;
}

std::vector<std::string> files_in(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string name = e->d_name;
      if (name.size() > 4 && name.substr(name.size() - 4) == ".bmp") names.push_back(name);
    }
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(BmpSuite, EveryGoodFileLoadsWithoutWarnings) {
  const std::vector<std::string> names = files_in(kSuite + "g");
  ASSERT_EQ(names.size(), 27u);
  for (const std::string& name : names) {
    Loaded l;
    load(kSuite + "g/" + name, &l);
    ASSERT_NE(l.pDoc, nullptr) << name;
    EXPECT_TRUE(l.Warnings.empty()) << name;
    ASSERT_EQ(l.Progress.size(), 1u) << name;
    EXPECT_EQ(l.Progress[0].rfind("Loaded ", 0), 0u) << name;
    EXPECT_EQ(l.pDoc->XSize, name.rfind("pal8w", 0) == 0 ? 124 + (name[7] - '4') : 127) << name;
  }
}

TEST(BmpSuite, EquivalentFilesDecodeToTheSamePixels) {
  const std::vector<std::vector<const char*>> groups = {
      {"g/pal8.bmp", "g/pal8rle.bmp", "g/pal8topdown.bmp", "g/pal8-0.bmp", "g/pal8v4.bmp", "g/pal8v5.bmp",
       "g/pal8os2.bmp", "q/pal8offs.bmp", "q/pal8os2v2.bmp", "q/pal8os2v2-16.bmp", "q/pal8os2sp.bmp",
       "q/pal8oversizepal.bmp", "q/pal8os2-sz.bmp", "q/pal8os2-hs.bmp", "q/pal8os2v2-sz.bmp",
       "q/pal8os2v2-40sz.bmp"},
      {"g/pal4.bmp", "g/pal4rle.bmp"},
      {"g/pal1.bmp", "g/pal1wb.bmp"},
      {"g/rgb16.bmp", "g/rgb16bfdef.bmp", "q/rgba16-5551.bmp"},
      {"g/rgb16-565.bmp", "g/rgb16-565pal.bmp"},
      // The masks of rgb32h52 and rgb32-xbgr exist only inside their larger headers.
      {"g/rgb24.bmp", "g/rgb32.bmp", "g/rgb32bfdef.bmp", "g/rgb24pal.bmp", "g/rgb32bf.bmp", "q/rgb32h52.bmp",
       "q/rgb32-xbgr.bmp", "q/rgb24largepal.bmp", "q/rgb32fakealpha.bmp"},
  };
  for (const auto& group : groups) {
    Loaded first;
    load(kSuite + group[0], &first);
    ASSERT_NE(first.pDoc, nullptr) << group[0];
    for (size_t i = 1; i < group.size(); ++i) {
      Loaded other;
      load(kSuite + group[i], &other);
      ASSERT_NE(other.pDoc, nullptr) << group[i];
      EXPECT_TRUE(same_colours(first.pDoc, other.pDoc)) << group[i] << " differs from " << group[0];
    }
  }
}

TEST(BmpSuite, PixelsMatchTheReferencePngs) {
  // Paletted files match exactly; channels scaled from fewer than 8 bits may differ by
  // 1 because the reader rounds down.
  const struct {
    const char* pBmp;
    const char* pPng;
    int Tolerance;
  } pairs[] = {
      {"g/pal1.bmp", "pal1", 0},         {"g/pal1bg.bmp", "pal1bg", 0},
      {"g/pal4.bmp", "pal4", 0},         {"g/pal4rle.bmp", "pal4", 0},
      {"g/pal4gs.bmp", "pal4gs", 0},     {"g/pal8.bmp", "pal8", 0},
      {"g/pal8gs.bmp", "pal8gs", 0},     {"g/pal8w124.bmp", "pal8w124", 0},
      {"g/pal8w125.bmp", "pal8w125", 0}, {"g/pal8w126.bmp", "pal8w126", 0},
      {"g/pal8os2.bmp", "pal8", 0},      {"g/pal8v5.bmp", "pal8", 0},
      {"g/rgb24.bmp", "rgb24", 0},       {"g/rgb32bf.bmp", "rgb24", 0},
      {"g/rgb16.bmp", "rgb16", 1},       {"g/rgb16-565.bmp", "rgb16-565", 1},
      {"q/pal1p1.bmp", "pal1p1", 0},     {"q/rgb16-231.bmp", "rgb16-231", 1},
      {"q/rgb16-3103.bmp", "rgb16-3103", 1}, {"q/rgb32-7187.bmp", "rgb32-7187", 1},
      {"q/rgba16-1924.bmp", "rgba16-1924", 1}, {"q/rgba16-4444.bmp", "rgba16-4444", 0},
      {"q/rgba16-5551.bmp", "rgba16-5551", 1}, {"q/rgba32-1010102.bmp", "rgba32-1010102", 1},
      {"q/rgba32-61754.bmp", "rgba32-61754", 1}, {"q/rgba32-81284.bmp", "rgba32-81284", 1},
      {"q/rgba32-1.bmp", "rgba32", 0},   {"q/rgba32-2.bmp", "rgba32", 0},
      {"q/rgba32h56.bmp", "rgba32", 0},  {"q/rgb32fakealpha.bmp", "fakealpha", 0},
      // Pixels the RLE stream skips keep index 0, one of the renderings the suite allows.
      {"q/pal8rletrns.bmp", "pal8rletrns-0", 0}, {"q/pal4rletrns.bmp", "pal4rletrns-0", 0},
      {"q/pal8rlecut.bmp", "pal8rlecut-0", 0},   {"q/pal4rlecut.bmp", "pal4rlecut-0", 0},
  };
  for (const auto& p : pairs) {
    Loaded l;
    load(kSuite + p.pBmp, &l);
    Rgba ref;
    ASSERT_TRUE(load_png(kSuite + "html/" + p.pPng + ".png", &ref)) << p.pPng;
    ASSERT_NE(l.pDoc, nullptr) << p.pBmp;
    ASSERT_EQ(l.pDoc->XSize, ref.Width) << p.pBmp;
    ASSERT_EQ(l.pDoc->YSize, ref.Height) << p.pBmp;
    EXPECT_LE(max_difference(l.pDoc, ref), p.Tolerance) << p.pBmp;
  }
}

TEST(BmpSuite, AlphaBitfieldsInV5HeadersMatchTheirPngOriginals) {
  const std::string dir = kCorpus + "bmp-paintnet/";
  const std::vector<std::string> names = files_in(dir);
  ASSERT_EQ(names.size(), 25u);
  int withAlpha = 0;
  for (const std::string& name : names) {
    Loaded l;
    load(dir + name, &l);
    Rgba ref;
    ASSERT_TRUE(load_png(dir + name.substr(0, name.size() - 4) + ".png", &ref)) << name;
    ASSERT_NE(l.pDoc, nullptr) << name;
    ASSERT_EQ(l.pDoc->XSize, ref.Width) << name;
    ASSERT_EQ(l.pDoc->YSize, ref.Height) << name;
    EXPECT_EQ(max_difference(l.pDoc, ref), 0) << name;
    for (size_t i = 3; i < ref.Pixels.size(); i += 4)
      if (ref.Pixels[i] != 255) {
        ++withAlpha;
        EXPECT_EQ(l.pDoc->HasAlpha, 1) << name;
        break;
      }
  }
  EXPECT_GT(withAlpha, 2);
}

TEST(BmpSuite, QuestionableFilesLoadOrAreRefusedCleanly) {
  const std::vector<std::string> refused = {"pal2.bmp",    "pal2color.bmp", "rgb24jpeg.bmp",
                                            "rgb24png.bmp", "rgba32abf.bmp", "rgba64.bmp"};
  const std::vector<std::string> names = files_in(kSuite + "q");
  ASSERT_GE(names.size(), 40u);
  for (const std::string& name : names) {
    Loaded l;
    load(kSuite + "q/" + name, &l);
    const bool expectRefused = std::find(refused.begin(), refused.end(), name) != refused.end();
    if (expectRefused) {
      EXPECT_EQ(l.pDoc, nullptr) << name;
      EXPECT_EQ(l.Warnings.size(), 1u) << name;
      EXPECT_TRUE(l.Progress.empty()) << name;
    } else {
      ASSERT_NE(l.pDoc, nullptr) << name;
      EXPECT_EQ(l.Progress.size(), 1u) << name;
      EXPECT_GT(l.pDoc->XSize, 0) << name;
    }
  }
}

TEST(BmpSuite, BadFilesAreRefusedOrLoadOnlyWhereTheDamageIsInUnusedFields) {
  const char* kTruncated = "File truncated ... Expected a file length of ";
  const struct {
    const char* pName;
    bool Loads;
    const char* pWarning;  // the first warning (a prefix), or null for none
  } cases[] = {
      {"badbitcount.bmp", false, "Error in BITMAPINFOHEADER: biBitCount should be"},
      {"badwidth.bmp", false, "Error in BITMAPINFOHEADER: image width and height must be positive"},
      {"reallybig.bmp", false, kTruncated},
      {"pal8badindex.bmp", false, "Illegal bitmap: pixel data uses colours beyond the palette"},
      {"rgb16-880.bmp", false, "16 BPP bitmap - Unknown compression format"},
      {"badrle.bmp", false, "DecompressRLE8: Data after end of image"},
      {"badrleter.bmp", false, "DecompressRLE8: Data after end of image"},
      // Truncated files decode with zeros after the warning.
      {"badfilesize.bmp", true, kTruncated},
      {"shortfile.bmp", true, kTruncated},
      // Fields the reader does not use for these files: planes, densities, biSizeImage
      // of uncompressed data; a palette count beyond 256 is cut to 256.
      {"badplanes.bmp", true, nullptr},
      {"baddens1.bmp", true, nullptr},
      {"baddens2.bmp", true, nullptr},
      {"badbitssize.bmp", true, nullptr},
      {"badpalettesize.bmp", true, nullptr},
      {"badheadersize.bmp", true, nullptr},
      // RLE data placing pixels outside the image: those pixels are dropped.
      {"badrlebis.bmp", true, nullptr},
      {"badrle4.bmp", true, nullptr},
      {"badrle4bis.bmp", true, nullptr},
      {"badrle4ter.bmp", true, nullptr},
      {"rletopdown.bmp", true, nullptr},
  };
  EXPECT_EQ(files_in(kSuite + "b").size(), sizeof(cases) / sizeof(cases[0]));
  for (const auto& c : cases) {
    Loaded l;
    load(kSuite + "b/" + c.pName, &l);
    EXPECT_EQ(l.pDoc != nullptr, c.Loads) << c.pName;
    if (c.pWarning) {
      ASSERT_FALSE(l.Warnings.empty()) << c.pName;
      EXPECT_EQ(l.Warnings[0].rfind(c.pWarning, 0), 0u) << c.pName << ": " << l.Warnings[0];
    } else {
      EXPECT_TRUE(l.Warnings.empty()) << c.pName;
    }
  }
  Loaded big;
  load(kSuite + "b/reallybig.bmp", &big);
  ASSERT_EQ(big.Warnings.size(), 2u);
  EXPECT_EQ(big.Warnings[1], "Image too large: more than 67108864 pixels");

  Loaded ba;
  load(kSuite + "x/ba-bm.bmp", &ba);
  EXPECT_EQ(ba.pDoc, nullptr);
  ASSERT_EQ(ba.Warnings.size(), 1u);
  EXPECT_EQ(ba.Warnings[0], "Illegal file header !");
}
