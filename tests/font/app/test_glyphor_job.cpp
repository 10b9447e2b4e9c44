// Whole jobs of the real glyphor binary with no display: exit codes, Glyphor.err,
// the message log, standard streams and the files written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/settings/settings_store.h"
#include "font/app/font_options.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace {

struct Job : ::testing::Test {
  TempDir dir;
  std::string work;
  void SetUp() override {
    work = dir / "work";
    std::filesystem::create_directories(work);
  }
  ProcessResult Run(const std::vector<std::string>& args) {
    return run_process(GLYPHOR_BINARY, args, work, dir / "config");
  }
  std::string File(const std::string& name) const { return read_whole_file(work + "/" + name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(work + "/" + name); }
  // Stores an option as the settings key of the program holds it (XDG_CONFIG_HOME of the job).
  void SetOption(const char* name, const char* value) {
    ASSERT_EQ(SETTINGS_WriteString(FONTOPT_KEY, name, value), 0);
  }
};

const char* kCreate = "-createDejaVu Sans,REGULAR,16,AA4,UC16";

TEST_F(Job, CreateAndSaveAsCRunsWithoutADisplay) {
  ProcessResult r = Run({kCreate, "-saveasout.c,C", "-exit"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_TRUE(r.Err.empty()) << r.Err;
  EXPECT_FALSE(Exists("Glyphor.err"));
  std::string c = File("out.c");
  EXPECT_NE(c.find("GUI_CONST_STORAGE GUI_FONT GUI_Fontout = {\r\n   GUI_FONTTYPE_PROP_AA4"), std::string::npos);
  EXPECT_NE(c.find("* Font:        DejaVu Sans"), std::string::npos);
  EXPECT_NE(c.find("/* code 0041, LATIN CAPITAL LETTER A */"), std::string::npos);
}

TEST_F(Job, EveryTypeEncodingMethodAndFormat) {
  const char* types[] = {"STD", "AA2", "AA4", "EXT", "EXT_FRM", "EXT_AA2", "EXT_AA4"};
  int runs = 0;
  for (int t = 0; t < 7; ++t)
    for (const char* fmt : {"C", "SIF", "XBF"}) {
      if (t == 1 || t == 2) {
        if (std::string(fmt) == "XBF") continue;
      }
      std::string create = std::string("-createDejaVu Serif,BOLD_ITALIC,13,") + types[t] + ",UC16" +
                           (t == 1 ? ",INTERNAL" : "");
      std::string out = std::string("f") + std::to_string(t) + "." + fmt;
      ProcessResult r = Run({create, "-enable0-FFFF,0", "-enable20-7E,1", "-saveas" + out + "," + fmt, "-exit"});
      ASSERT_EQ(r.ExitCode, 0) << create << " " << fmt << ": " << r.Err << File("Glyphor.err");
      std::string data = File(out);
      ASSERT_GT(data.size(), 100u) << out;
      const std::string f = fmt;
      const std::string magic = f == "C" ? "/***" : (f == "SIF" ? "GUIP" : "GUIX");
      EXPECT_EQ(data.substr(0, 4), magic) << out;
      EXPECT_EQ(f != "XBF" || data.back() == static_cast<char>(t), true) << out;
      ++runs;
    }
  EXPECT_EQ(runs, 19);
  for (const char* enc : {"ISO8859", "JIS"}) {
    std::string face = std::string(enc) == "JIS" ? "IPAGothic" : "DejaVu Sans";
    ProcessResult r = Run({"-create" + face + ",REGULAR,14,STD," + enc, "-saveasenc.c,C", "-exit"});
    ASSERT_EQ(r.ExitCode, 0) << enc << r.Err;
    EXPECT_EQ(File("enc.c").find("GUI_FONTTYPE_PROP_SJIS") != std::string::npos, std::string(enc) == "JIS");
  }
}

TEST_F(Job, MissingFaceFailsWithItsMessageAndExitCode) {
  ProcessResult r = Run({"-exit", "-createNo Such Face,REGULAR,16,STD,UC16", "-saveasx.c,C"});
  EXPECT_EQ(r.ExitCode, 1);
  std::string err = File("Glyphor.err");
  EXPECT_EQ(err.find("\r\n* "), 0u);  // time stamp line first
  EXPECT_NE(err.find("\r\nFont does not exist"), std::string::npos);
  EXPECT_FALSE(Exists("x.c"));
}

TEST_F(Job, KeywordErrors) {
  struct Case {
    std::string Arg, Text;
  } cases[] = {
      {"-createDejaVu Sans,bold,16,STD,UC16", "Illegal option: bold"},
      {"-createDejaVu Sans,REGULAR,16,EXT,ISO8859", "Extended fonts can only be created using Unicode encoding."},
      {"-createDejaVu Sans,REGULAR,16,STD,UC16,FAST", "Illegal option: FAST"},
      {"-createDejaVu Sans,REGULAR,x16,STD,UC16", "CMDLINE_GetDecValue: Not a decimal value"},
      {"-saveasout.c,C", "No font data"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(work + "/Glyphor.err");
    ProcessResult r = Run({"-exit", c.Arg});
    EXPECT_EQ(r.ExitCode, 1) << c.Arg;
    EXPECT_NE(File("Glyphor.err").find("\r\n" + c.Text), std::string::npos) << c.Arg << ": " << File("Glyphor.err");
  }
  ProcessResult sep = Run({"-exit", kCreate, "-saveasout.c;C"});
  EXPECT_EQ(sep.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("Wrong separator"), std::string::npos);
  ProcessResult xbf = Run({"-exit", kCreate, "-saveasout.xbf,XBF"});
  EXPECT_EQ(xbf.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("Fonts of the type Standard 2bpp or 4bpp can not be saved in XBF-format."),
            std::string::npos);
  EXPECT_FALSE(Exists("out.xbf"));
}

TEST_F(Job, EnableLogsTheRangeAndChecksItsArguments) {
  ProcessResult r = Run({"-createDejaVu Sans,REGULAR,12,STD,UC16", "-enable0-FFFF,0", "-enable41-43,1",
                         "-enable42-42,0", "-saveasabc.txt,C", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << File("Glyphor.err");
  std::string c = File("abc.txt");  // C source whatever the extension
  EXPECT_NE(c.find("* Range disabled:       0000 - FFFF                                  *\r\n"), std::string::npos);
  EXPECT_NE(c.find("* Range enabled:        0041 - 0043                                  *\r\n"), std::string::npos);
  EXPECT_NE(c.find("GUI_CHARINFO GUI_Fontabc_CharInfo[2]"), std::string::npos);
  EXPECT_EQ(c.find("acGUI_Fontabc_0042"), std::string::npos);
  const std::pair<std::string, std::string> bad[] = {
      {"-enable43-41,1", "Wrong parameters in '-enable' command: First > Last!"},
      {"-enable41-10000,1", "Wrong parameters in '-enable' command: Last exceeds 0xFFFF!"},
      {"-enable41-43,2", "Illegal state"},
      {"-enable41,43,1", "Wrong separator"},
  };
  for (const auto& b : bad) {
    std::filesystem::remove(work + "/Glyphor.err");
    ProcessResult e = Run({"-exit", "-createDejaVu Sans,REGULAR,12,STD,UC16", b.first});
    EXPECT_EQ(e.ExitCode, 1) << b.first;
    EXPECT_NE(File("Glyphor.err").find(b.second), std::string::npos) << b.first;
  }
}

TEST_F(Job, NoMessagesWritesTheMessageLogAndStillFails) {
  SetOption("LogInWorkingDir", "1");
  ProcessResult r = Run({"-nomessages", "-createNo Such Face,REGULAR,16,STD,UC16", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_TRUE(r.Err.empty());
  EXPECT_EQ(File("glyphor.log"), "Font does not exist\r\n");
  EXPECT_FALSE(Exists("Glyphor.err"));
}

TEST_F(Job, SuppressMessageOptionStartsInNoMessageMode) {
  SetOption("LogInWorkingDir", "1");
  SetOption("SuppressMessage", "1");
  ProcessResult r = Run({"-exit", "-saveasx.c,C"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(File("glyphor.log"), "No font data\r\n");
}

TEST_F(Job, MagnificationNoteIsNotAFailure) {
  SetOption("MagX", "2");
  ProcessResult r = Run({"-createDejaVu Sans,REGULAR,10,STD,UC16", "-saveasm.c,C", "-exit"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Err, "Zentile-FontConvert: The font file has been saved with the following magnification factors: X: 2 Y: 1\n");
}

TEST_F(Job, WithoutExitTheWindowIsNeeded) {
  ProcessResult r = Run({kCreate, "-saveasout.c,C"});
  EXPECT_EQ(r.ExitCode, 64);
  EXPECT_NE(r.Err.find("run a job with -exit"), std::string::npos);
  EXPECT_FALSE(Exists("out.c"));
  EXPECT_EQ(Run({}).ExitCode, 64);
}

TEST_F(Job, HelpListingOnStandardOutput) {
  ProcessResult r = Run({"-?", "-exit"});
  EXPECT_EQ(r.ExitCode, 0);
  // The console receives the listing as the engine builds it, with CR LF line ends.
  EXPECT_EQ(r.Out.rfind("Valid command line options:\r\n\r\n-exit\t\tFinish application after job\r\n"
                        "-create\t\t<FONTNAME>", 0), 0u);
  EXPECT_NE(r.Out.find("\t\t\tEXTRALIGHT_ITALIC\t- Creates an extra light italic font\r\n"), std::string::npos);
  EXPECT_NE(r.Out.find("\t\t\tTHIN\t\t\t- Creates a thin font\r\n"), std::string::npos);
  EXPECT_NE(r.Out.find("\t\t\tINTERNAL\t- Internal antialiasing method\r\n-edit\t\t"), std::string::npos);
  EXPECT_NE(r.Out.find("-nomessages\tSuppress messages in command line mode\r\n-?\t\tShows this box\n\r\n"),
            std::string::npos);
}

TEST_F(Job, UnknownCommandAndSecondFileStopTheJob) {
  ProcessResult r = Run({"-frobnicate", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_NE(r.Out.find("\"frobnicate\" is not a valid command !"), std::string::npos);
  ProcessResult two = Run({"-exit", "a.xbf", "b.xbf", kCreate, "-saveasout.c,C"});
  EXPECT_EQ(two.ExitCode, 1);
  EXPECT_FALSE(Exists("out.c"));
  ProcessResult ext = Run({"-exit", "font.txt"});
  EXPECT_EQ(ext.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("File extension must be 'XBF' or 'C'"), std::string::npos);
  std::string tooLong = "-saveas" + std::string(300, 'x') + ".c,C";
  ProcessResult lng = Run({"-exit", kCreate, tooLong});
  EXPECT_EQ(lng.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("Argument too long!"), std::string::npos);
}

TEST_F(Job, XbfNamedOnTheCommandLineIsLoaded) {
  ASSERT_EQ(Run({"-createDejaVu Sans,REGULAR,16,EXT,UC16", "-saveasfont.xbf,XBF", "-exit"}).ExitCode, 0);
  ProcessResult r = Run({"font.xbf", "-saveasback.xbf,XBF", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << File("Glyphor.err");
  EXPECT_EQ(File("back.xbf"), File("font.xbf"));  // read and written back unchanged
  ProcessResult c = Run({"font.c", "-exit"});
  EXPECT_EQ(c.ExitCode, 1);
  ProcessResult missing = Run({"none.xbf", "-exit"});
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("Could not open file!"), std::string::npos);
}

}  // namespace

namespace {

TEST_F(Job, CFileNamedOnTheCommandLineIsReadAndSavedAgain) {
  ASSERT_EQ(Run({"-createDejaVu Sans,REGULAR,12,EXT,UC16", "-saveasfont.c,C", "-exit"}).ExitCode, 0);
  ProcessResult r = Run({"font.c", "-saveasback.c,C", "-saveasback.xbf,XBF", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << File("Glyphor.err");
  const std::string first = File("font.c"), second = File("back.c");
  const size_t end = first.find("*/");
  ASSERT_NE(end, std::string::npos);
  EXPECT_EQ(second.substr(0, end), first.substr(0, end));
  EXPECT_EQ(second.compare(end, 21, "  C-file modified by "), 0);
  EXPECT_EQ(second.substr(second.find("*/")), first.substr(end));
  ASSERT_EQ(Run({"-createDejaVu Sans,REGULAR,12,EXT,UC16", "-saveasfont.xbf,XBF", "-exit"}).ExitCode, 0);
  EXPECT_EQ(File("back.xbf"), File("font.xbf"));
  std::filesystem::remove(work + "/Glyphor.err");
  std::ofstream(work + "/bad.c") << "int x;";
  ProcessResult bad = Run({"bad.c", "-saveasnever.c,C", "-exit"});
  EXPECT_EQ(bad.ExitCode, 1);
  EXPECT_NE(File("Glyphor.err").find("No font data found in the given file"), std::string::npos);
}

}  // namespace
