// Font merge through the menus, the job command and whole jobs of the glyphor binary:
// a Latin font merged with a symbol set read from a C file and from an XBF file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/cmdline/cmdline.h"
#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/font_options.h"
#include "font/app/glyphor_app.h"
#include "font/formats/c_font_reader.h"
#include "font/formats/font_save.h"
#include "font/model/current_font.h"
#include "font/model/edit_log.h"
#include "font/support/command_fixture.h"
#include "font/support/font_test_util.h"
#include "font/support/glyphor_job.h"
#include "font/support/glyphor_recording_host.h"
#include "support/engine_configs.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

// A symbol set of the given height: an arrow at 0x2190 and its own 'A'.
FontDoc* symbols(int height) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, height);
  fonttest::add_glyph(doc, 0x2190, 5, height);
  for (int x = 0; x < 5; ++x) FONT_SetPixel(doc, 0x2190, x, height / 2, 1);
  FONT_SetPixel(doc, 0x2190, 1, height / 2 - 1, 1);
  fonttest::add_glyph(doc, 'A', 3, height);
  FONT_SetPixel(doc, 'A', 2, 0, 1);
  return doc;
}

void save(FontDoc* doc, const std::string& path, int format) {
  FONT_SetPath(doc, path.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, format, false, FontSaveOptions{}), 0);
}


// A C font file parsed without any message; null when it does not parse.
FontDoc* parse(const std::string& path) {
  const std::string text = read_whole_file(path);
  FontDoc* doc = nullptr;
  std::string error;
  bool created = false;
  if (!CFONT_Parse(text.data(), text.size(), &doc, &error, &created)) return nullptr;
  return doc;
}

struct MergeOperation : fonttest::CommandTest {
  void Job(const std::string& args) { CommandTest::Job(GLYPHOR_ID_JOB_MERGE, args); }
  // Latin font of height 6: 0x20..0x7E, each 2 pixels wide with ink at (0, 0).
  static FontDoc* Latin() {
    FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 6);
    for (unsigned c = 0x20; c <= 0x7E; ++c) {
      fonttest::add_glyph(doc, c, 2, 6);
      FONT_SetPixel(doc, c, 0, 0, 1);
    }
    return doc;
  }
  void ExpectMerged() {
    FontDoc* doc = FONT_GetCurrent();
    ASSERT_NE(doc, nullptr);
    FontDoc* sym = symbols(6);
    EXPECT_EQ(fonttest::glyph_pixels(doc, 0x2190), fonttest::glyph_pixels(sym, 0x2190));
    EXPECT_EQ(fonttest::glyph_pixels(doc, 'A'), fonttest::glyph_pixels(sym, 'A'));
    EXPECT_EQ(doc->aChar[0x2190].Enabled, 1);
    EXPECT_EQ(doc->aChar['B'].Width, 2);
    EXPECT_EQ(FONT_GetPixel(doc, 'B', 0, 0), 1);
    EXPECT_EQ(doc->aChar[0x7E].Enabled, 1);
    FONT_Destroy(sym);
  }
};

TEST_F(MergeOperation, MenusAskForTheirFileAndMergeTheSymbolsFromCAndXbf) {
  FontDoc* sym = symbols(6);
  save(sym, dir / "sym.c", FONT_FORMAT_C);
  save(sym, dir / "sym.xbf", FONT_FORMAT_XBF);
  FONT_Destroy(sym);

  FONT_SetCurrent(Latin());
  host.ChosenFile = dir / "sym.c";
  GLYPHOR_Execute(GLYPHOR_ID_MERGE_C, 0);
  ExpectMerged();
  FONT_SetCurrent(Latin());
  host.ChosenFile = dir / "sym.xbf";
  GLYPHOR_Execute(GLYPHOR_ID_MERGE_XBF, 0);
  ExpectMerged();
  EXPECT_EQ(host.DialogTitles, (std::vector<std::string>{"Select 'C' file", "Select 'XBF' file"}));
  EXPECT_TRUE(host.Warnings.empty()) << WarningTexts()[0];
  EXPECT_GE(host.RedrawCount, 2);
  EXPECT_STREQ(FONT_GetCurrent()->acPath, "");  // the current font keeps its own values
}

TEST_F(MergeOperation, JobMergesAndEachFailureKeepsTheFontWithItsMessage) {
  FontDoc* tall = symbols(7);
  save(tall, dir / "tall.c", FONT_FORMAT_C);
  FONT_Destroy(tall);
  FontDoc* sym = symbols(6);
  save(sym, dir / "sym.c", FONT_FORMAT_C);
  FontDoc* ext = fonttest::make_manual(FONT_TYPE_EXT, 6, 5);
  fonttest::add_glyph(ext, 'A', 2, 2, 0, 2, 3);
  save(ext, dir / "ext.xbf", FONT_FORMAT_XBF);
  FONT_Destroy(ext);
  FONT_Destroy(sym);
  {
    FILE* f = std::fopen((dir / "sym.bdf").c_str(), "wb");
    std::fclose(f);
  }

  Job(dir / "sym.c");  // no font yet
  FONT_SetCurrent(Latin());
  Job(dir / "sym.BDF");
  Job(dir / "missing.c");
  Job(dir / "tall.c");
  Job(dir / "ext.xbf");
  EXPECT_EQ(WarningTexts(), (std::vector<std::string>{
                                "No font data", "File extension must be 'XBF' or 'C'", "Could not open file!",
                                "Error reading 'C' file",
                                "Merging fonts does not work with different font sizes!",
                                "Merging fonts does not work with different font types!"}));
  EXPECT_EQ(FONT_GetCurrent()->aChar[0x2190].Enabled, 0);
  EXPECT_EQ(FONT_GetCurrent()->aChar['A'].Width, 2);
  std::filesystem::copy_file(dir / "sym.c", dir / "Sym.C");
  Job(dir / "Sym.C");  // the extension is compared in lower case
  ExpectMerged();
}

// Whole jobs of the binary.
struct MergeJob : fonttest::GlyphorJob {};

TEST_F(MergeJob, LatinFontMergedWithASymbolSetFromCAndFromXbf) {
  ProcessResult r = Run({"-createDejaVu Sans,REGULAR,16,STD,UC16", "-enable0-FFFF,0", "-enable20-7E,1",
                         "-saveaslatin.c,C", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  FontDoc* latin = parse(In("latin.c"));
  ASSERT_NE(latin, nullptr);
  FontDoc* sym = symbols(latin->Height);
  fonttest::HostScope scope;
  save(sym, In("sym.c"), FONT_FORMAT_C);
  save(sym, In("sym.xbf"), FONT_FORMAT_XBF);

  for (const std::string file : {"sym.c", "sym.xbf"}) {
    // A font created in the job, and the Latin font read from its C file.
    for (const std::string start : {"-createDejaVu Sans,REGULAR,16,STD,UC16", "latin.c"}) {
      std::vector<std::string> args = {start};
      if (start[0] == '-') args.insert(args.end(), {"-enable0-FFFF,0", "-enable20-7E,1"});
      args.insert(args.end(), {"-merge" + file, "-saveasout.c,C", "-exit"});
      r = Run(args);
      ASSERT_EQ(r.ExitCode, 0) << file << " " << start << ": " << r.Err << File("Glyphor.err");
      FontDoc* out = parse(In("out.c"));
      ASSERT_NE(out, nullptr) << file;
      EXPECT_EQ(out->Height, latin->Height);
      EXPECT_EQ(fonttest::glyph_pixels(out, 0x2190), fonttest::glyph_pixels(sym, 0x2190)) << file;
      EXPECT_EQ(fonttest::glyph_pixels(out, 'A'), fonttest::glyph_pixels(sym, 'A')) << file;
      EXPECT_EQ(fonttest::glyph_pixels(out, 'B'), fonttest::glyph_pixels(latin, 'B')) << file;
      EXPECT_EQ(out->aChar['B'].Width, latin->aChar['B'].Width);
      FontRangeList ranges = FONT_BuildRangeList(out);
      ASSERT_EQ(ranges.aRange.size(), 2u);
      EXPECT_EQ(ranges.aRange[1].First, 0x2190);
      EXPECT_EQ(ranges.NumCodes, 95 + 1);
      FONT_Destroy(out);
    }
  }
  FONT_Destroy(sym);
  FONT_Destroy(latin);
}

TEST_F(MergeJob, FailedMergeEndsTheJobWithItsMessage) {
  fonttest::HostScope scope;
  FontDoc* sym = symbols(5);
  save(sym, In("small.xbf"), FONT_FORMAT_XBF);
  FONT_Destroy(sym);
  ProcessResult r = Run({"-createDejaVu Sans,REGULAR,16,STD,UC16", "-mergesmall.xbf", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("Merging fonts does not work with different font sizes!"),
            std::string::npos);
  r = Run({"-createDejaVu Sans,REGULAR,16,STD,UC16", "-mergesmall.bdf", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("File extension must be 'XBF' or 'C'"), std::string::npos);
  r = Run({"-mergesmall.xbf", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("No font data"), std::string::npos);
}

}  // namespace
