// Jobs of the real rastrel binary with the colour and transform commands: results
// read back from the BMP files written, messages from Rastrel.log and the exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bitmap/document/image.h"
#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/transform/transform.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

struct ColourJob : ::testing::Test {
  TempDir dir;
  std::string work;
  void SetUp() override {
    work = dir / "work";
    std::filesystem::create_directories(work);
    std::filesystem::copy_file(SAMPLES_DIR "/logo.bmp", work + "/logo.bmp");
  }
  ProcessResult Run(const std::vector<std::string>& args) {
    std::filesystem::remove(work + "/Rastrel.log");
    return run_process(RASTREL_BINARY, args, work, dir / "config");
  }
  std::string Log() const { return read_whole_file(work + "/Rastrel.log"); }
  ImageDocument* Read(const std::string& name) const { return IMAGE_ReadBMP((work + "/" + name).c_str()); }
  void WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(work + "/" + name, std::ios::binary) << bytes;
  }
};

std::string le32(uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>(v >> (8 * i));
  return s;
}

}  // namespace

TEST_F(ColourJob, BestPaletteOfThe16ColourSampleKeepsEveryPixelsColour) {
  ProcessResult r = Run({"logo.bmp", "-convertintorgb", "-convertintobestpalette", "-saveasout.bmp,2", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << Log();
  ImageDocument* in = Read("logo.bmp");
  ImageDocument* out = Read("out.bmp");
  ASSERT_TRUE(in && out);
  EXPECT_GT(out->NumColors, 0);
  EXPECT_LE(out->NumColors, 16);
  for (int y = 0; y < in->YSize; ++y)
    for (int x = 0; x < in->XSize; ++x)
      ASSERT_EQ(IMAGE_GetColor(out, x, y) & 0xFFFFFF, IMAGE_GetColor(in, x, y) & 0xFFFFFF);
  IMAGE_Free(in);
  IMAGE_Free(out);
}

TEST_F(ColourJob, TransformsInAJobEqualTheCoreOperations) {
  ProcessResult r = Run({"logo.bmp", "-fliph", "-rotate90cw", "-invertindices", "-flipv", "-rotate180",
                         "-rotate90ccw", "-invertpalette", "-saveasout.bmp,2", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << Log();
  ImageDocument* want = Read("logo.bmp");
  ASSERT_NE(want, nullptr);
  want = IMAGE_InvertColors(IMAGE_Rotate90CCW(IMAGE_Rotate180(IMAGE_FlipV(IMAGE_InvertIndices(IMAGE_Rotate90CW(IMAGE_FlipH(want)))))));
  ImageDocument* out = Read("out.bmp");
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(out->XSize, want->XSize);
  ASSERT_EQ(out->YSize, want->YSize);
  for (int y = 0; y < want->YSize; ++y)
    for (int x = 0; x < want->XSize; ++x) ASSERT_EQ(IMAGE_GetColor(out, x, y) & 0xFFFFFF, IMAGE_GetColor(want, x, y) & 0xFFFFFF);
  IMAGE_Free(want);
  IMAGE_Free(out);
}

TEST_F(ColourJob, ScaleSizesAndTheirChecks) {
  // The sample is 64 x 40: 200% of the width is 128; the height's percent sign is ignored.
  for (const char* arg : {"-scale200%,50", "-scale200%,50%"}) {
    ProcessResult r = Run({"logo.bmp", arg, "-saveasout.bmp,2", "-exit"});
    ASSERT_EQ(r.ExitCode, 0) << arg << Log();
    ImageDocument* out = Read("out.bmp");
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->XSize, 128);
    EXPECT_EQ(out->YSize, 50);
    IMAGE_Free(out);
  }
  for (const char* arg : {"-scale0,10", "-scale5000,10", "-scale10,4096", "-scale6400%,10"}) {
    ProcessResult r = Run({"logo.bmp", arg, "-exit"});
    EXPECT_EQ(r.ExitCode, 26) << arg;
    EXPECT_EQ(Log(), "Illegal size.") << arg;
  }
  // After the width (and its percent sign) a comma must follow.
  ProcessResult r = Run({"logo.bmp", "-scale50%%,10", "-exit"});
  EXPECT_EQ(r.ExitCode, 10);
  EXPECT_EQ(Log(), "Invalid separator.");
}

TEST_F(ColourJob, ReduceColoursAcceptsOneTo255) {
  for (const char* arg : {"-reducecolors256", "-reducecolors0"}) {
    ProcessResult r = Run({"logo.bmp", arg, "-exit"});
    EXPECT_EQ(r.ExitCode, 27) << arg;
    EXPECT_EQ(Log(), "Illegal number of colors.") << arg;
  }
  ProcessResult r = Run({"logo.bmp", "-reducecolors4", "-saveasout.bmp,2", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << Log();
  ImageDocument* out = Read("out.bmp");
  ASSERT_NE(out, nullptr);
  EXPECT_GE(out->NumColors, 1);
  EXPECT_LE(out->NumColors, 4);
  IMAGE_Free(out);
}

TEST_F(ColourJob, TransparencyMessages) {
  ProcessResult r = Run({"logo.bmp", "-convertintorgb", "-transparencyFF00FF", "-exit"});
  EXPECT_EQ(r.ExitCode, 18);
  EXPECT_EQ(Log(), "No palette. Transparency can not be create.");
  r = Run({"logo.bmp", "-transparency1000000", "-exit"});
  EXPECT_EQ(r.ExitCode, 19);
  r = Run({"logo.bmp", "-convertintobw", "-transparency123456", "-exit"});
  EXPECT_EQ(r.ExitCode, 20);
  EXPECT_EQ(Log(), "Color could not be found in the image.");
  // White is entry 1 of BW: it becomes index 0.
  r = Run({"logo.bmp", "-convertintobw", "-transparencyFFFFFF", "-saveasout.bmp,2", "-exit"});
  EXPECT_EQ(r.ExitCode, 0) << Log();
  ImageDocument* out = Read("out.bmp");
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(IMAGE_GetPalColor(out, 0) & 0xFFFFFF, 0xFFFFFFu);
  IMAGE_Free(out);
}

TEST_F(ColourJob, CustomPaletteFromAFile) {
  ProcessResult r = Run({"logo.bmp", "-convertintocustompalettemissing.GUIPal", "-exit"});
  EXPECT_EQ(r.ExitCode, 17);
  WriteFile("bad.GUIPal", "VorixPal" + le32(1) + le32(0) + le32(0));
  r = Run({"logo.bmp", "-convertintocustompalettebad.GUIPal", "-saveasout.bmp,2", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(Log(), "_LoadPalette: Number of colors may not be less than 2 !");
  // The document is unchanged: the saved image still has the sample's palette.
  ImageDocument* in = Read("logo.bmp");
  ImageDocument* out = Read("out.bmp");
  ASSERT_TRUE(in && out);
  EXPECT_EQ(out->NumColors, in->NumColors);
  IMAGE_Free(out);
  WriteFile("bw.GUIPal", "VorixPal" + le32(2) + le32(0) + le32(0x000000) + le32(0xFFFFFF));
  r = Run({"logo.bmp", "-convertintocustompalettebw.GUIPal", "-saveasout.bmp,2", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << Log();
  out = Read("out.bmp");
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(out->NumColors, 2);
  for (int y = 0; y < in->YSize; ++y)
    for (int x = 0; x < in->XSize; ++x) {
      const ColorValue c = IMAGE_GetColor(in, x, y);
      const int d0 = static_cast<int>(COLOR_Red(c) * COLOR_Red(c) + COLOR_Green(c) * COLOR_Green(c) + COLOR_Blue(c) * COLOR_Blue(c));
      const int r1 = 255 - static_cast<int>(COLOR_Red(c)), g1 = 255 - static_cast<int>(COLOR_Green(c)), b1 = 255 - static_cast<int>(COLOR_Blue(c));
      const uint32_t want = d0 <= r1 * r1 + g1 * g1 + b1 * b1 ? 0u : 0xFFFFFFu;
      ASSERT_EQ(IMAGE_GetColor(out, x, y) & 0xFFFFFF, want);
    }
  IMAGE_Free(in);
  IMAGE_Free(out);
}

TEST_F(ColourJob, CommandsWithoutAnImageRefuseWithAMessage) {
  ProcessResult r = Run({"-fliph", "-convertintobestpalette", "-scale10,10", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  const std::string once = "No image is open. Open an image before using this command.";
  EXPECT_EQ(Log(), once + once + once);
}
