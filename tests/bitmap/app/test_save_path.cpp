// Destination path completion of the save command.
#include <gtest/gtest.h>

#include "bitmap/app/save_path.h"

TEST(SavePath, MissingPartsComeFromTheImage) {
  EXPECT_EQ(RASTREL_CompletePath("logo", "/img/src/logo.bmp", "c"), "/img/src/logo.c");
  EXPECT_EQ(RASTREL_CompletePath("out.c", "rel/a.bmp", "c"), "rel/out.c");
  EXPECT_EQ(RASTREL_CompletePath("/tmp/x", "/img/a.bmp", "bmp"), "/tmp/x.bmp");
  EXPECT_EQ(RASTREL_CompletePath("/tmp/", "/img/a.bmp", "c"), "/tmp/a.c");
  EXPECT_EQ(RASTREL_CompletePath("x.txt", "a.bmp", "c"), "x.txt");
  EXPECT_EQ(RASTREL_CompletePath("x.", "a.bmp", "c"), "x.c");
  EXPECT_EQ(RASTREL_CompletePath(".hidden", "/d/a.bmp", "c"), "/d/.hidden.c");
}

TEST(SavePath, ADotAndTheTypesExtensionAloneIsTheExtension) {
  EXPECT_EQ(RASTREL_CompletePath(".c", "/d/logo.bmp", "c"), "/d/logo.c");
  EXPECT_EQ(RASTREL_CompletePath(".BMP", "/d/logo.bmp", "bmp"), "/d/logo.BMP");
  EXPECT_EQ(RASTREL_CompletePath("/tmp/.c", "/d/logo.bmp", "c"), "/tmp/logo.c");
  // Another type's extension, or more after the dot, is a hidden file's name.
  EXPECT_EQ(RASTREL_CompletePath(".bmp", "/d/logo.bmp", "c"), "/d/.bmp.c");
  EXPECT_EQ(RASTREL_CompletePath(".cc", "/d/logo.bmp", "c"), "/d/.cc.c");
}
