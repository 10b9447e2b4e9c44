// Image document: layout, pixel and palette access, conversions, undo stack.
#include <gtest/gtest.h>

#include <cstring>

#include "bitmap/document/image.h"
#include "common/cmdline/cmdline.h"
#include "support/recording_host.h"

namespace {

uint32_t u32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }

TEST(ImageDocument, CreateBuildsTheDibHeader) {
  ImageDocument* doc = IMAGE_Create(5, 3, 16);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->BitsPerPixel, 8);
  EXPECT_EQ(doc->BytesPerLine, 8);  // 5 bytes padded to 4
  EXPECT_EQ(u32(doc->pInfo), 40u);
  EXPECT_EQ(u32(doc->pInfo + 4), 5u);
  EXPECT_EQ(u32(doc->pInfo + 8), 3u);
  EXPECT_EQ(doc->pInfo[14], 8);
  EXPECT_EQ(u32(doc->pInfo + 20), 24u);
  EXPECT_EQ(u32(doc->pInfo + 32), 16u);
  IMAGE_Free(doc);

  doc = IMAGE_Create(3, 2, 0);
  EXPECT_EQ(doc->BitsPerPixel, 32);
  EXPECT_EQ(doc->BytesPerLine, 12);
  IMAGE_Free(doc);
}

TEST(ImageDocument, RefusesImpossibleSizes) {
  EXPECT_EQ(IMAGE_Create(0, 5, 0), nullptr);
  EXPECT_EQ(IMAGE_Create(5, -1, 0), nullptr);
  EXPECT_EQ(IMAGE_Create(1 << 15, 1 << 14, 0), nullptr);  // 2^29 pixels
  EXPECT_EQ(IMAGE_Create(4, 4, 257), nullptr);
  IMAGE_Free(nullptr);
}

TEST(ImageDocument, RowsAreStoredBottomUp) {
  ImageDocument* doc = IMAGE_Create(2, 3, 0);
  IMAGE_SetIndex(doc, 1, 0, 0x11223344u);  // top row
  // Bottom-up: the top row is the last row of the pixel block.
  EXPECT_EQ(u32(doc->pBits + 2 * doc->BytesPerLine + 4), 0x11223344u);
  EXPECT_EQ(IMAGE_GetIndex(doc, 1, 0), 0x11223344u);
  EXPECT_EQ(IMAGE_GetIndex(doc, 2, 0), 0u);
  EXPECT_EQ(IMAGE_GetIndex(doc, -1, 0), 0u);
  IMAGE_SetIndex(doc, 0, 3, 5);  // outside: ignored
  IMAGE_Free(doc);
}

TEST(ImageDocument, PaletteEntriesAreBgrt) {
  ImageDocument* doc = IMAGE_Create(1, 1, 2);
  IMAGE_SetPalColor(doc, 1, 0x80FF2010u);
  const uint8_t* e = doc->pInfo + 44;
  EXPECT_EQ(e[0], 0xFF);
  EXPECT_EQ(e[1], 0x20);
  EXPECT_EQ(e[2], 0x10);
  EXPECT_EQ(e[3], 0x80);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 1), 0x80FF2010u);
  IMAGE_SetIndex(doc, 0, 0, 0x101);  // only the low byte is kept
  EXPECT_EQ(IMAGE_GetIndex(doc, 0, 0), 1u);
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 0), 0x80FF2010u);
  IMAGE_Free(doc);
}

TEST(ImageDocument, CloneIsDeep) {
  ImageDocument* doc = IMAGE_Create(3, 2, 4);
  doc->HasTrans = 1;
  IMAGE_SetPalColor(doc, 3, 0x123456);
  IMAGE_SetIndex(doc, 2, 1, 3);
  ImageDocument* copy = IMAGE_Clone(doc);
  IMAGE_SetIndex(doc, 2, 1, 0);
  EXPECT_EQ(IMAGE_GetIndex(copy, 2, 1), 3u);
  EXPECT_EQ(IMAGE_GetPalColor(copy, 3), 0x123456u);
  EXPECT_EQ(copy->HasTrans, 1);
  IMAGE_Free(doc);
  IMAGE_Free(copy);
}

TEST(ImageDocument, ToTrueColorResolvesThePalette) {
  ImageDocument* doc = IMAGE_Create(2, 1, 2);
  doc->HasTrans = 1;
  IMAGE_SetPalColor(doc, 0, 0xFF00FF00u);
  IMAGE_SetPalColor(doc, 1, 0x000000FFu);
  IMAGE_SetIndex(doc, 1, 0, 1);
  ImageDocument* tc = IMAGE_ToTrueColor(doc);
  ASSERT_NE(tc, doc);
  EXPECT_EQ(tc->NumColors, 0);
  EXPECT_EQ(tc->HasTrans, 0);
  EXPECT_EQ(IMAGE_GetIndex(tc, 0, 0), 0xFF00FF00u);  // transparency byte kept
  EXPECT_EQ(IMAGE_GetIndex(tc, 1, 0), 0x000000FFu);
  // A plain true-colour document comes back unchanged; one with alpha is copied without it.
  EXPECT_EQ(IMAGE_ToTrueColor(tc), tc);
  tc->HasAlpha = 1;
  ImageDocument* plain = IMAGE_ToTrueColor(tc);
  EXPECT_EQ(plain->HasAlpha, 0);
  EXPECT_EQ(IMAGE_GetIndex(plain, 0, 0), 0xFF00FF00u);
  IMAGE_Free(plain);
}

TEST(ImageDocument, SetTransIndexSwapsIndexZero) {
  ImageDocument* doc = IMAGE_Create(3, 1, 3);
  for (int i = 0; i < 3; ++i) {
    IMAGE_SetPalColor(doc, i, 0x10u * (i + 1));
    IMAGE_SetIndex(doc, i, 0, i);
  }
  IMAGE_SetTransIndex(doc, 2);
  EXPECT_EQ(IMAGE_GetIndex(doc, 0, 0), 2u);
  EXPECT_EQ(IMAGE_GetIndex(doc, 1, 0), 1u);
  EXPECT_EQ(IMAGE_GetIndex(doc, 2, 0), 0u);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 0), 0x30u);
  EXPECT_EQ(IMAGE_GetPalColor(doc, 2), 0x10u);
  // The colours the pixels show are unchanged.
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 0), 0x10u);
  EXPECT_EQ(IMAGE_GetColor(doc, 2, 0), 0x30u);
  EXPECT_EQ(doc->HasTrans, 1);
  IMAGE_ClearTrans(doc);
  EXPECT_EQ(doc->HasTrans, 0);
  IMAGE_Free(doc);
}

struct Undo : ::testing::Test {
  RecordingHost host;
  void SetUp() override {
    HOST_Set(&host);
  }
  void TearDown() override {
    UNDO_Clear();
    UNDO_SetBudget(UNDO_BUDGET_BYTES);
    CMDLINE_SetJobMode(0);
    IMAGE_SetCurrent(nullptr);
    HOST_Set(nullptr);
  }
};

TEST_F(Undo, AJobRecordsNoSnapshots) {
  IMAGE_SetCurrent(IMAGE_Create(4, 4, 0));
  CMDLINE_SetJobMode(1);
  UNDO_Save();
  UNDO_Save();
  EXPECT_EQ(UNDO_Count(), 0);
  CMDLINE_SetJobMode(0);
  UNDO_Save();
  EXPECT_EQ(UNDO_Count(), 1);
}

TEST_F(Undo, TheBudgetDropsTheOldestSnapshotsFirst) {
  // 16 x 16 true-colour pixels: 1024 bytes of pixels and the 40-byte header.
  const uint64_t snapshot = 16 * 16 * 4 + IMAGE_DIB_HEADER_SIZE;
  UNDO_SetBudget(3 * snapshot);
  IMAGE_SetCurrent(IMAGE_Create(16, 16, 0));
  for (uint32_t i = 1; i <= 5; ++i) {
    UNDO_Save();
    IMAGE_SetIndex(IMAGE_GetCurrent(), 0, 0, i);
  }
  ASSERT_EQ(UNDO_Count(), 3);
  for (uint32_t i = 4; i >= 2; --i) {
    UNDO_Undo();
    EXPECT_EQ(IMAGE_GetIndex(IMAGE_GetCurrent(), 0, 0), i);
  }
  EXPECT_EQ(UNDO_Count(), 0);

  // A document larger than the whole budget is not kept, and the stack stays as it was.
  UNDO_Save();
  IMAGE_SetCurrent(IMAGE_Create(64, 64, 0));
  UNDO_Save();
  EXPECT_EQ(UNDO_Count(), 1);
  UNDO_Undo();
  EXPECT_EQ(IMAGE_GetCurrent()->XSize, 16);
}

TEST(ImageLimits, SizeAndDecoderMemoryAreCheckedTogether) {
  EXPECT_TRUE(IMAGE_FitsLimits(8192, 8192, 0));
  EXPECT_FALSE(IMAGE_FitsLimits(8192, 8193, 0));
  EXPECT_TRUE(IMAGE_FitsLimits(IMAGE_MAX_PIXELS, 1, 0));
  EXPECT_FALSE(IMAGE_FitsLimits(1ull << 32, 1ull << 32, 0));  // the product wraps to 0
  EXPECT_TRUE(IMAGE_FitsLimits(4096, 4096, IMAGE_MAX_DECODE_BYTES - 4096ull * 4096 * 4));
  EXPECT_FALSE(IMAGE_FitsLimits(4096, 4096, IMAGE_MAX_DECODE_BYTES - 4096ull * 4096 * 4 + 1));
  EXPECT_EQ(IMAGE_Create(8192, 8193, 0), nullptr);
  EXPECT_EQ(IMAGE_Create(IMAGE_MAX_PIXELS + 1, 1, 256), nullptr);
}

TEST_F(Undo, TenStatesComeBackAndTheEleventhIsLost) {
  IMAGE_SetCurrent(IMAGE_Create(1, 1, 0));
  for (uint32_t i = 1; i <= 11; ++i) {
    UNDO_Save();
    IMAGE_SetIndex(IMAGE_GetCurrent(), 0, 0, i);
  }
  EXPECT_EQ(UNDO_Count(), 10);
  for (uint32_t i = 10; i >= 1; --i) {
    UNDO_Undo();
    EXPECT_EQ(IMAGE_GetIndex(IMAGE_GetCurrent(), 0, 0), i);
  }
  host.Progress.clear();
  UNDO_Undo();  // the eleventh undo does nothing
  EXPECT_EQ(IMAGE_GetIndex(IMAGE_GetCurrent(), 0, 0), 1u);
  EXPECT_TRUE(host.Progress.empty());
}

TEST_F(Undo, UndoShowsItsTextsAndRedraws) {
  UNDO_Save();  // no document: nothing to save
  EXPECT_EQ(UNDO_Count(), 0);
  IMAGE_SetCurrent(IMAGE_Create(1, 1, 0));
  UNDO_Save();
  UNDO_Undo();
  EXPECT_EQ(host.Progress, (std::vector<std::string>{"Undoing", "Last operation undone"}));
  EXPECT_EQ(host.RedrawCount, 1);
}

}  // namespace
