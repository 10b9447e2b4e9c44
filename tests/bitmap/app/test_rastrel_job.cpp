// Whole jobs of the real rastrel binary: exit codes, Rastrel.log, standard streams and
// the files written, with no display.
#include <gtest/gtest.h>

#include <filesystem>

#include "rastrel_job_fixture.h"

namespace {

using Job = RastrelJob;

TEST_F(Job, HelpGoesToStandardOutputInTableOrder) {
  ProcessResult r = Run({"-help", "-exit"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Out.rfind("-convertintobw\t\t\tConverts image into BW\n", 0), 0u);
  EXPECT_NE(r.Out.find("-saveas\t\t\t<FNAME>,<TYPE>[,<FORMAT>[,<NOPALETTE>]]\n"), std::string::npos);
  EXPECT_NE(r.Out.find("\t\t\t\t 99 \t- True color with alpha, both variants\n"), std::string::npos);
  EXPECT_NE(r.Out.find("-?\t\t\t\tDisplays this box\n"), std::string::npos);
  EXPECT_TRUE(r.Err.empty());
}

TEST_F(Job, DefaultFormatIsChosenFromThePalette) {
  // The sample has 16 palette entries: format 4, written beside the image.
  ProcessResult r = Run({"logo.bmp", "-saveaslogo,1", "-exit"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  std::string c = File("logo.c");
  EXPECT_NE(c.find("  4, // BitsPerPixel\r\n"), std::string::npos);
  EXPECT_NE(c.find("extern GUI_CONST_STORAGE GUI_BITMAP bmlogo;\r\n"), std::string::npos);
  EXPECT_FALSE(Exists("Rastrel.log"));
}

TEST_F(Job, SaveArgumentErrorsGiveTheirExitCodes) {
  struct Case {
    std::string Arg;
    int Message;
    std::string Text;
  } cases[] = {
      {"-saveaslogo.c,1,8,0", 13, "Parameter NOPALETTE must be set to 1."},
      {"-saveaslogo.c,1,1", 11, "FORMAT does not match image."},
      {"-saveaslogo.c,5", 10, "Illegal TYPE parameter."},
      {"-saveaslogo.c;1", 9, "Invalid separator."},
      {"-saveaslogo.c,1,3", 1, "Illegal FORMAT parameter."},
      {"-saveaslogo.c,1,4,2", 12, "Illegal NOPALETTE parameter."},
      {"-saveaslogo.c,1,4,", 14, "Parameter NOPALETTE is invalid."},
      {"-saveas", 6, "String missing."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Arg);
    std::filesystem::remove(work + "/Rastrel.log");
    ProcessResult r = Run({"logo.bmp", c.Arg, "-exit"});
    EXPECT_EQ(r.ExitCode, c.Message + 1);
    EXPECT_EQ(File("Rastrel.log"), c.Text);
    EXPECT_FALSE(Exists("logo.c"));
    EXPECT_TRUE(r.Err.empty()) << r.Err;
  }
}

TEST_F(Job, LaterErrorsDecideAndTheJobGoesOn) {
  // Exit queued first still ends the job; both failures are logged, the last one counts,
  // and the valid save between them still runs.
  ProcessResult r = Run({"logo.bmp", "-exit", "-saveasa.c,1,1", "-saveasb.c,1,4", "-saveasc.c,9"});
  EXPECT_EQ(r.ExitCode, 11);
  EXPECT_EQ(File("Rastrel.log"), "FORMAT does not match image.Illegal TYPE parameter.");
  EXPECT_TRUE(Exists("b.c"));
  EXPECT_FALSE(Exists("a.c"));
}

TEST_F(Job, WriteErrorsAreReported) {
  std::filesystem::create_symlink("/dev/full", work + "/full.c");
  std::filesystem::create_symlink("/dev/full", work + "/full.bmp");
  ProcessResult r = Run({"logo.bmp", "-saveasfull.c,1,5", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(File("Rastrel.log"), "Error writing file.");
  r = Run({"logo.bmp", "-saveasfull.bmp,2", "-exit"});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(File("Rastrel.log"), "Error writing file.");
}

TEST_F(Job, SavingWithoutAnImage) {
  ProcessResult r = Run({"-saveasx.c,1", "-exit"});
  EXPECT_EQ(r.ExitCode, 9);
  EXPECT_EQ(File("Rastrel.log"), "An image needs to be opened before it can be saved.");
}

TEST_F(Job, MissingFileShowsHelpAndRunsNothing) {
  ProcessResult r = Run({"nothere.bmp", "-saveasx.c,1", "-exit"});
  EXPECT_EQ(r.ExitCode, 9);  // the save then finds no image
  EXPECT_EQ(File("Rastrel.log"), "File not found.An image needs to be opened before it can be saved.");
  EXPECT_EQ(r.Out.rfind("-convertintobw", 0), 0u);
}

TEST_F(Job, UnknownCommandFailsTheParse) {
  ProcessResult r = Run({"logo.bmp", "-bogus", "-saveasx.c,1", "-exit"});
  EXPECT_EQ(r.ExitCode, 3);
  EXPECT_EQ(r.Err, "Error: \"bogus\" is not a valid command !\n");
  EXPECT_EQ(File("Rastrel.log"), "Error during command line parsing.");
  EXPECT_FALSE(Exists("x.c"));
}

TEST_F(Job, WithoutExitThereIsNoWindowToOpen) {
  ProcessResult r = Run({"logo.bmp", "-saveasx.c,1"});
  EXPECT_EQ(r.ExitCode, 64);
  EXPECT_NE(r.Err.find("no display"), std::string::npos);
  EXPECT_FALSE(Exists("x.c"));
}

TEST_F(Job, BmpRoundTripKeepsTheFileAndUpdatesRecentFiles) {
  ProcessResult r = Run({"logo.bmp", "-saveascopy.bmp,2", "-exit"});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  ASSERT_TRUE(Exists("copy.bmp"));
  // The copy converts to exactly the same C file as the original.
  std::filesystem::create_directories(work + "/a");
  std::filesystem::create_directories(work + "/b");
  ASSERT_EQ(Run({"logo.bmp", "-saveasa/img.c,1,5", "-exit"}).ExitCode, 0);
  ASSERT_EQ(Run({"copy.bmp", "-saveasb/img.c,1,5", "-exit"}).ExitCode, 0);
  EXPECT_FALSE(File("a/img.c").empty());
  EXPECT_EQ(File("a/img.c"), File("b/img.c"));
  // BMP saves are listed as recent files, newest first, with the job's folder; C saves
  // are not.
  std::string recent = read_whole_file(dir / "config/Tavrex/Rastrel/Recent File List.ini");
  EXPECT_NE(recent.find("File1=sz:" + work + "/copy.bmp\nFile2=sz:" + work + "/logo.bmp\n"), std::string::npos)
      << recent;
  EXPECT_EQ(recent.find("img.c"), std::string::npos) << recent;
}

TEST_F(Job, OptionsAreReadFromTheSettingsStore) {
  ASSERT_EQ(Run({"logo.bmp", "-saveasplain.c,1,5", "-exit"}).ExitCode, 0);
  EXPECT_NE(File("plain.c").find("#if (GUI_USE_ARGB == 0)\r\n  0x000000, "), std::string::npos);
  std::filesystem::create_directories(dir / "config/Tavrex/Rastrel");
  std::ofstream(dir / "config/Tavrex/Rastrel/Settings.ini") << "UseARGB=binary:01000000\n";
  ASSERT_EQ(Run({"logo.bmp", "-saveasargb.c,1,5", "-exit"}).ExitCode, 0);
  EXPECT_NE(File("argb.c").find("#if (GUI_USE_ARGB == 0)\r\n  0x00000000, "), std::string::npos);
}

}  // namespace
