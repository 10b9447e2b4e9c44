// Firmware check of the animated sprite and cursor files: small animated GIFs are turned
// into sprite and cursor C files, every file is compiled with the tests' own graphics
// header (GUI_CURSOR_ANIM included) and the reference decoder (cc -std=c99 -Wall -Wextra
// -Werror -pedantic, with GUI_USE_ARGB 0 and 1), and every frame the firmware reaches
// through the arrays of bitmaps is compared with the same frame decoded by ImageMagick.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "bitmap/output/animation_from_gif.h"

namespace fs = std::filesystem;

#ifndef FIRMWARE_CC_EXTRA
#define FIRMWARE_CC_EXTRA ""
#endif

namespace {

struct Case {
  std::string Gif;   // file in the GIF data folder
  bool Cursor;
  std::string Name;  // identifier
  int NumFrames = 0;
  uint32_t TotalDelay = 0;
};

struct Frame {
  int XSize = 0, YSize = 0, BytesPerLine = 0, BitsPerPixel = 0, Status = -1;
  int NumEntries = 0, HasTrans = 0;
  std::vector<uint32_t> Entries, Pixels;
  unsigned long Delay = 0;
};

struct Animation {
  int Count = -1;
  int HotX = -1, HotY = -1;
  unsigned long Period = 1;
  std::vector<Frame> Frames;
};

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

fs::path GifDir() { return fs::path(ANIMATION_GIF_DIR); }
fs::path WorkDir() { return fs::path(FIRMWARE_WORK_DIR) / ("anim_" + std::to_string(getpid())); }

// Frame k of the GIF as ImageMagick composes it alone on the logical screen (transparent
// outside the frame): RGBA bytes, row by row.
std::string Reference(const std::string& gif, int k, int* width, int* height) {
  const fs::path out = WorkDir() / ("ref_" + gif + "_" + std::to_string(k));
  const std::string src = (GifDir() / gif).string() + "[" + std::to_string(k) + "]";
  std::string cmd = "convert '" + src + "' -background none -flatten -depth 8 rgba:'" + out.string() +
                    ".raw' && identify -format '%W %H' '" + src + "' > '" + out.string() + ".size'";
  if (std::system(cmd.c_str()) != 0) return {};
  std::istringstream size(ReadFile(out.string() + ".size"));
  size >> *width >> *height;
  return ReadFile(out.string() + ".raw");
}

class FirmwareAnimation : public ::testing::Test {
 protected:
  static std::vector<Case>* s_cases;
  static std::string* s_setupError;

  static void SetUpTestSuite() {
    s_cases = new std::vector<Case>{{"walk.gif", false, "walk"}, {"walk.gif", true, "walkcur"},
                                    {"busy.gif", false, "busy"}, {"busy.gif", true, "busycur"},
                                    {"spin.gif", false, "spin"}, {"spin.gif", true, "spincur"}};
    s_setupError = new std::string();
    const fs::path dir = WorkDir();
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    std::ofstream main(dir / "main.c", std::ios::binary);
    main << "#include \"bitmap_decoder.h\"\n";
    std::string body;
    for (Case& c : *s_cases) {
      const std::string data = ReadFile(GifDir() / c.Gif);
      GifAnimation anim;
      if (GIFANIM_Open(&anim, reinterpret_cast<const uint8_t*>(data.data()), data.size()) != GIF_OK) {
        *s_setupError += "walk failed: " + c.Gif + "\n";
        continue;
      }
      c.NumFrames = anim.Info.FrameCount;
      c.TotalDelay = anim.TotalDelay;
      const std::string path = (dir / (c.Name + ".c")).string();
      FILE* file = std::fopen(path.c_str(), "wb");
      const CAnimRequest request = {c.Cursor ? CANIM_KIND_CURSOR : CANIM_KIND_SPRITE, path.c_str(), anim.TotalDelay, false};
      if (ANIMGIF_Write(&anim, file, &request, nullptr, nullptr, nullptr) != ANIMGIF_OK)
        *s_setupError += "write failed: " + c.Name + "\n";
      std::fclose(file);
      const std::string n = std::to_string(c.NumFrames);
      if (c.Cursor) {
        main << "extern const GUI_CURSOR_ANIM Cursor" << c.Name << ";\n";
        body += "  printf(\"N " + c.Name + " %d %d %d %u\\n\", Cursor" + c.Name + ".NumItems, Cursor" + c.Name +
                ".xHot, Cursor" + c.Name + ".yHot, Cursor" + c.Name + ".Period);\n";
        body += "  for (i = 0; i < Cursor" + c.Name + ".NumItems; ++i) {\n    BMPDEC_Print(stdout, \"" + c.Name +
                "\", Cursor" + c.Name + ".ppBm[i]);\n    printf(\"T %u\\n\", Cursor" + c.Name + ".pPeriod[i]);\n  }\n";
      } else {
        main << "extern const GUI_BITMAP * apbm" << c.Name << "[" << n << "];\n";
        main << "extern const unsigned     aDelay" << c.Name << "[" << n << "];\n";
        body += "  printf(\"N " + c.Name + " %d 0 0 0\\n\", (int)(sizeof(apbm" + c.Name + ") / sizeof(apbm" + c.Name +
                "[0])));\n";
        body += "  for (i = 0; i < " + n + "; ++i) {\n    BMPDEC_Print(stdout, \"" + c.Name + "\", apbm" + c.Name +
                "[i]);\n    printf(\"T %u\\n\", aDelay" + c.Name + "[i]);\n  }\n";
      }
    }
    main << "int main(void) {\n  int i;\n" << body << "  return 0;\n}\n";
  }

  static void TearDownTestSuite() {
    const ::testing::TestSuite* suite = ::testing::UnitTest::GetInstance()->current_test_suite();
    std::error_code ec;
    if (suite && !suite->Failed()) fs::remove_all(WorkDir(), ec);
    delete s_cases;
    delete s_setupError;
  }

  static bool CompileAndRun(int useArgb, std::map<std::string, Animation>* out, std::string* log) {
    const fs::path dir = WorkDir();
    const std::string tag = std::to_string(useArgb);
    std::string cmd = "cd '" + dir.string() + "' && cc -std=c99 -Wall -Wextra -Werror -pedantic " +
                      std::string(FIRMWARE_CC_EXTRA) + " -I'" + std::string(FIRMWARE_SOURCE_DIR) +
                      "' -DGUI_USE_ARGB=" + tag + " '" + std::string(FIRMWARE_SOURCE_DIR) + "/bitmap_decoder.c' main.c";
    for (const Case& c : *s_cases) cmd += " " + c.Name + ".c";
    cmd += " -o check" + tag + " > cc" + tag + ".log 2>&1 && ./check" + tag + " > decoded" + tag + ".txt";
    const int rc = std::system(cmd.c_str());
    *log = ReadFile(dir / ("cc" + tag + ".log"));
    if (rc != 0) return false;
    std::ifstream in(dir / ("decoded" + tag + ".txt"));
    std::string line;
    Animation* anim = nullptr;
    while (std::getline(in, line)) {
      std::istringstream ls(line);
      std::string kind, name;
      ls >> kind;
      if (kind == "N") {
        ls >> name;
        anim = &(*out)[name];
        ls >> anim->Count >> anim->HotX >> anim->HotY >> anim->Period;
      } else if (kind == "B" && anim) {
        anim->Frames.emplace_back();
        Frame& f = anim->Frames.back();
        int pixelKind;
        unsigned long streamBytes;
        ls >> name >> f.XSize >> f.YSize >> f.BytesPerLine >> f.BitsPerPixel >> f.Status >> pixelKind >> streamBytes;
      } else if (kind == "P" && anim && !anim->Frames.empty()) {
        Frame& f = anim->Frames.back();
        int hasEntries;
        ls >> f.NumEntries >> f.HasTrans >> hasEntries;
        uint32_t v;
        while (ls >> std::hex >> v) f.Entries.push_back(v);
      } else if (kind == "D" && anim && !anim->Frames.empty()) {
        uint32_t v;
        while (ls >> std::hex >> v) anim->Frames.back().Pixels.push_back(v);
      } else if (kind == "T" && anim && !anim->Frames.empty()) {
        ls >> anim->Frames.back().Delay;
      }
    }
    return true;
  }

  void CheckAll(int useArgb) {
    ASSERT_TRUE(s_setupError->empty()) << *s_setupError;
    std::map<std::string, Animation> decoded;
    std::string log;
    ASSERT_TRUE(CompileAndRun(useArgb, &decoded, &log)) << log.substr(0, 4000);
    for (const Case& c : *s_cases) {
      SCOPED_TRACE(c.Name + " (GUI_USE_ARGB " + std::to_string(useArgb) + ")");
      const Animation& a = decoded[c.Name];
      ASSERT_EQ(a.Count, c.NumFrames);
      ASSERT_EQ(a.Frames.size(), static_cast<size_t>(c.NumFrames));
      EXPECT_EQ(a.HotX, 0);
      EXPECT_EQ(a.HotY, 0);
      EXPECT_EQ(a.Period, 0u);
      uint32_t sum = 0;
      for (int k = 0; k < c.NumFrames; ++k) CheckFrame(c, k, a.Frames[static_cast<size_t>(k)], &sum);
      EXPECT_LE(sum, c.TotalDelay);
    }
  }

  static void CheckFrame(const Case& c, int k, const Frame& f, uint32_t* delaySum) {
    SCOPED_TRACE("frame " + std::to_string(k));
    int width = 0, height = 0;
    const std::string ref = Reference(c.Gif, k, &width, &height);
    ASSERT_EQ(ref.size(), static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    ASSERT_EQ(f.Status, 0);
    ASSERT_EQ(f.XSize, width);
    ASSERT_EQ(f.YSize, height);
    EXPECT_EQ(f.BytesPerLine, width);
    EXPECT_EQ(f.BitsPerPixel, 8);
    ASSERT_EQ(f.Entries.size(), static_cast<size_t>(f.NumEntries));
    ASSERT_EQ(f.Pixels.size(), static_cast<size_t>(width) * static_cast<size_t>(height));
    for (size_t p = 0; p < f.Pixels.size(); ++p) {
      const uint8_t* px = reinterpret_cast<const uint8_t*>(ref.data()) + 4 * p;
      const uint32_t index = f.Pixels[p];
      ASSERT_LT(index, f.Entries.size()) << "pixel " << p;
      const bool transparent = f.HasTrans && index == 0;
      ASSERT_EQ(transparent, px[3] == 0) << "pixel " << p;
      if (!transparent) {
        const uint32_t want = px[0] | (px[1] << 8) | (px[2] << 16);
        ASSERT_EQ(f.Entries[index] & 0xFFFFFFu, want) << "pixel " << p;
      }
    }
    // The delay in milliseconds: ImageMagick gives hundredths of a second, 0 meaning 100 ms.
    const std::string ticks = (WorkDir() / ("delay_" + c.Name + std::to_string(k))).string();
    const std::string cmd = "identify -format '%T' '" + (GifDir() / c.Gif).string() + "[" + std::to_string(k) + "]' > '" + ticks + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const unsigned long t = std::stoul(ReadFile(ticks));
    EXPECT_EQ(f.Delay, t ? 10 * t : 100);
    *delaySum += static_cast<uint32_t>(f.Delay);
  }
};

std::vector<Case>* FirmwareAnimation::s_cases;
std::string* FirmwareAnimation::s_setupError;

TEST_F(FirmwareAnimation, SpritesAndCursorsCompileAndShowTheGifFramesWithClassicColours) { CheckAll(0); }

TEST_F(FirmwareAnimation, SpritesAndCursorsCompileAndShowTheGifFramesWithArgbColours) { CheckAll(1); }

}  // namespace
