// Whole glyphor jobs that edit glyphs, enable characters from pattern files and end
// at their first error; the saved files are read back to check the pixels.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/host/app_host.h"
#include "common/settings/settings_store.h"
#include "font/app/font_options.h"
#include "font/formats/c_font_reader.h"
#include "font/formats/xbf_reader.h"
#include "font/model/font_doc.h"
#include "font/model/font_message.h"
#include "support/recording_host.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

const char* kCreate = "-createDejaVu Sans,REGULAR,16,STD,UC16";
const char* kCreateExt = "-createDejaVu Sans,REGULAR,16,EXT,UC16";

struct EditJob : ::testing::Test {
  TempDir dir;
  std::string work;
  testsupport::RecordingHostOf<> host;  // for reading the saved files back in process
  void SetUp() override {
    work = dir / "work";
    std::filesystem::create_directories(work);
    HOST_Set(&host);
    FONTMSG_Reset();
  }
  void TearDown() override { HOST_Set(nullptr); }
  ProcessResult Run(const std::vector<std::string>& args) {
    return run_process(GLYPHOR_BINARY, args, work, dir / "config");
  }
  std::string File(const std::string& name) const { return read_whole_file(work + "/" + name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(work + "/" + name); }
  std::string Path(const std::string& name) const { return work + "/" + name; }
  void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  static std::string Line(const std::string& text) {
    return text + std::string(text.size() < 69 ? 69 - text.size() : 0, ' ') + "*\r\n";
  }
  static int Count(const std::string& text, const std::string& needle) {
    int n = 0;
    for (size_t p = 0; (p = text.find(needle, p)) != std::string::npos; p += needle.size()) ++n;
    return n;
  }
};

// Rows of a glyph as text, "." for background.
std::vector<std::string> glyph_rows(const FontDoc* doc, unsigned code, int rows) {
  std::vector<std::string> out;
  for (int y = 0; y < rows; ++y) {
    std::string row;
    for (int x = 0; x < doc->aChar[code].Width; ++x) row += FONT_GetPixel(doc, code, x, y) ? '#' : '.';
    out.push_back(row);
  }
  return out;
}

TEST_F(EditJob, DeleteTopThreeTimesRemovesThreeRowsOfEveryGlyph) {
  ASSERT_EQ(Run({kCreate, "-saveasbase.c,C", "-exit"}).ExitCode, 0);
  ProcessResult r = Run({kCreate, "-editDEL,TOP,3", "-saveasdel.c,C", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << File("Glyphor.err");
  const std::string c = File("del.c");
  EXPECT_EQ(Count(c, Line("* Edit/Delete/Top       at character 0x41 (65)")), 3);
  EXPECT_NE(c.find(",13 /* height of font  */"), std::string::npos);
  FontDoc* base = CFONT_Read(Path("base.c").c_str());
  FontDoc* del = CFONT_Read(Path("del.c").c_str());
  ASSERT_TRUE(base && del);
  EXPECT_EQ(base->Height, 16);
  EXPECT_EQ(del->Height, 13);
  for (unsigned code : {'A', 'g', 'W', '|'}) {
    std::vector<std::string> before = glyph_rows(base, code, 16), after = glyph_rows(del, code, 13);
    EXPECT_EQ(after, std::vector<std::string>(before.begin() + 3, before.end())) << code;
  }
  FONT_Destroy(base);
  FONT_Destroy(del);
  // A font read from a file starts at 'A' too; Delete Bottom keeps the pixels above.
  ASSERT_EQ(Run({"del.c", "-editDEL,BOTTOM", "-saveasdel2.c,C", "-exit"}).ExitCode, 0) << File("Glyphor.err");
  const std::string c2 = File("del2.c");
  EXPECT_NE(c2.find(Line("* Edit/Delete/Bottom    at character 0x41 (65)")), std::string::npos);
  EXPECT_NE(c2.find(",12 /* height of font  */"), std::string::npos);
}

TEST_F(EditJob, InsertBottomOnAnExtendedFontGrowsTheCurrentCharacterOnly) {
  ASSERT_EQ(Run({kCreateExt, "-saveasbase.xbf,XBF", "-exit"}).ExitCode, 0);
  ProcessResult r = Run({kCreateExt, "-editINS,BOTTOM,2", "-saveasins.xbf,XBF", "-saveasins.c,C", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << File("Glyphor.err");
  EXPECT_EQ(Count(File("ins.c"), Line("* Edit/Insert/Bottom    at character 0x41 (65)")), 2);
  XbfReadOptions o;
  FontDoc* base = XBF_Read(Path("base.xbf").c_str(), o);
  FontDoc* ins = XBF_Read(Path("ins.xbf").c_str(), o);
  ASSERT_TRUE(base && ins);
  const int h = base->aChar['A'].GlyphHeight;
  ASSERT_GT(h, 5);
  EXPECT_EQ(ins->aChar['A'].GlyphHeight, h + 2);
  std::vector<std::string> rows = glyph_rows(ins, 'A', h + 2);
  EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + h), glyph_rows(base, 'A', h));
  EXPECT_EQ(rows[h + 1].find('#'), std::string::npos);
  EXPECT_EQ(ins->aChar['B'].GlyphHeight, base->aChar['B'].GlyphHeight);
  EXPECT_EQ(ins->Height, base->Height);
  FONT_Destroy(base);
  FONT_Destroy(ins);
}

TEST_F(EditJob, EditArgumentsAreChecked) {
  ProcessResult zero = Run({"-exit", kCreate, "-editDEL,TOP,0", "-saveasx.c,C"});
  EXPECT_EQ(zero.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("\r\nIllegal edit commandline parameter 0. Needs to be >0"), std::string::npos);
  EXPECT_FALSE(Exists("x.c"));
  ProcessResult word = Run({"-exit", kCreate, "-editDEL,MIDDLE"});
  EXPECT_EQ(word.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("Illegal option: MIDDLE"), std::string::npos);
  ProcessResult none = Run({"-exit", "-editINS,TOP"});
  EXPECT_EQ(none.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("No font data"), std::string::npos);
}

TEST_F(EditJob, ReadPatternEnablesTheListedCharacters) {
  // A, B, line break, a; written on a big-endian system.
  WriteFile("set.txt", std::string("\xFE\xFF\0A\0B\0\r\0\n\0a", 12));
  ProcessResult r = Run({kCreate, "-enable0-FFFF,0", "-readpatternset.txt", "-saveasp.c,C", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << File("Glyphor.err");
  const std::string c = File("p.c");
  EXPECT_NE(c.find("* Read pattern file: " + Path("set.txt")), std::string::npos);
  FontDoc* doc = CFONT_Read(Path("p.c").c_str());
  ASSERT_NE(doc, nullptr);
  FontRangeList list = FONT_BuildRangeList(doc);
  ASSERT_EQ(list.aRange.size(), 2u);
  EXPECT_EQ(list.aRange[0].First, 'A');
  EXPECT_EQ(list.aRange[0].Last, 'B');
  EXPECT_EQ(list.aRange[1].First, 'a');
  EXPECT_EQ(list.aRange[1].Last, 'a');
  FONT_Destroy(doc);
  // Without a byte-order mark the first character counts too.
  WriteFile("plain.txt", std::string("Z\0y\0", 4));
  ASSERT_EQ(Run({kCreate, "-enable0-FFFF,0", "-readpatternplain.txt", "-saveasq.c,C", "-exit"}).ExitCode, 0);
  doc = CFONT_Read(Path("q.c").c_str());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(FONT_BuildRangeList(doc).NumCodes, 2);
  EXPECT_TRUE(doc->aChar['Z'].Enabled);
  FONT_Destroy(doc);
}

TEST_F(EditJob, PatternErrorsEndTheJob) {
  // DejaVu Sans has no U+3042 and no U+E000: the missing-codes message is the job's error.
  WriteFile("odd.txt", std::string("\xFF\xFE" "A\0\x42\x30\x00\xE0", 8));
  ProcessResult r = Run({kCreate, "-readpatternodd.txt", "-saveasp.c,C", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("The following character codes found in the pattern file\r\n"
                                     "are not part of the current font:\r\n\r\n3042, E000"),
            std::string::npos);
  EXPECT_FALSE(Exists("p.c"));
  ProcessResult missing = Run({kCreate, "-readpatternnone.txt", "-saveasp.c,C", "-exit"});
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("\r\nCould not open file!"), std::string::npos);
  EXPECT_FALSE(Exists("p.c"));
}

// Each of these jobs went on after its error (or took a malformed argument) and wrote
// out.c with exit code 0 or 1; now the first error ends the job.
TEST_F(EditJob, FirstErrorEndsTheJobAndMalformedArgumentsAreRefused) {
  const std::pair<std::string, std::string> cases[] = {
      {"-enable5-1,1", "\r\nWrong parameters in '-enable' command: First > Last!"},
      {"-enable-5-10,1", "\r\nWrong parameters in '-enable' command: First < 0!"},
      {"-enable0-FFFFFFFF,1", "\r\nNot a hex value"},
      {"-enable-1-FFFFFFFF,1", "\r\nNot a hex value"},
      {"-enable20-7F,1,0", "\r\nWrong separator"},
      {"-saveasx.c,C,extra", "\r\nWrong separator"},
      {"-createDejaVu Sans,REGULAR,16,STD,UC16,OS,more", "\r\nWrong separator"},
      {"-editDEL,TOP,1,1", "\r\nWrong separator"},
      {"-createNo Such Face,REGULAR,16,STD,UC16", "\r\nFont does not exist"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(Path("out.c"));
    std::filesystem::remove(Path("x.c"));
    ProcessResult r = Run({kCreate, c.first, "-saveasout.c,C", "-exit"});
    EXPECT_EQ(r.ExitCode, 1) << c.first;
    EXPECT_FALSE(Exists("out.c")) << c.first;
    EXPECT_FALSE(Exists("x.c")) << c.first;
    const std::string err = File("Glyphor.err");
    EXPECT_NE(err.find(c.second), std::string::npos) << c.first << ": " << err;
    EXPECT_EQ(Count(err, "\r\n* "), 1) << c.first;  // one time stamp: one error
  }
}

TEST_F(EditJob, NoMessageModeStillEndsTheJobAndReaderErrorsStillReachTheErrorFile) {
  ASSERT_EQ(SETTINGS_WriteString(FONTOPT_KEY, "LogInWorkingDir", "1"), 0);
  ProcessResult r = Run({"-nomessages", kCreate, "-enable5-1,1", "-saveasout.c,C", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_FALSE(Exists("out.c"));
  EXPECT_EQ(File("glyphor.log"), "Wrong parameters in '-enable' command: First > Last!\r\n");
  EXPECT_FALSE(Exists("Glyphor.err"));
  ProcessResult reader = Run({"-nomessages", kCreate, "-enable41-43,x", "-saveasout.c,C", "-exit"});
  EXPECT_EQ(reader.ExitCode, 1);
  EXPECT_FALSE(Exists("out.c"));
  EXPECT_NE(File("Glyphor.err").find("\r\nCMDLINE_GetDecValue: Not a decimal value"), std::string::npos);
  ProcessResult unknown = Run({"-nomessages", "-frobnicate", "-exit"});
  EXPECT_EQ(unknown.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("\"frobnicate\" is not a valid command !"), std::string::npos);
  EXPECT_EQ(Count(File("Glyphor.err"), "\r\n* "), 1);  // created anew by this job
}

TEST_F(EditJob, UnknownAndEmptyCommandsReachTheErrorFile) {
  ProcessResult r = Run({"-frobnicate", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(r.Out.find("\"frobnicate\" is not a valid command !"), std::string::npos);
  const std::string err = File("Glyphor.err");
  EXPECT_EQ(err.find("\r\n* "), 0u);
  EXPECT_NE(err.find("\r\n\"frobnicate\" is not a valid command !"), std::string::npos);
  // An empty command, after the exit command and a font.
  ProcessResult empty = Run({"-exit", kCreate, "-", "-saveasout.c,C"});
  EXPECT_EQ(empty.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("\r\n\"\" is not a valid command !"), std::string::npos);
  EXPECT_FALSE(Exists("out.c"));
  // A job without errors leaves the file of the last failing job as it was.
  const std::string before = File("Glyphor.err");
  ASSERT_EQ(Run({kCreate, "-exit"}).ExitCode, 0);
  EXPECT_EQ(File("Glyphor.err"), before);
}

}  // namespace
