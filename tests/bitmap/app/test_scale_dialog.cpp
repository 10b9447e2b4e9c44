// "Scale Image" dialog logic: start values, proportional fields, the size OK gives.
#include <gtest/gtest.h>

#include "bitmap/app/scale_dialog.h"
#include "bitmap/document/image.h"

TEST(ScaleDialog, PixelModeKeepsTheAspectRatioTruncated) {
  ImageDocument* doc = IMAGE_Create(300, 200, 0);
  ScaleDialogState s;
  int32_t w = 0, h = 0;
  SCALE_GetInitialFields(&s, doc, &w, &h);
  EXPECT_EQ(w, 300);
  EXPECT_EQ(h, 200);
  char text[64];
  SCALE_GetOriginalSizeText(doc, text, sizeof(text));
  EXPECT_STREQ(text, "Original Size: 300 x 200 Pixels");
  ASSERT_TRUE(SCALE_OtherFromWidth(&s, doc, 100, &h));
  EXPECT_EQ(h, 66);  // 100 / 1.5
  ASSERT_TRUE(SCALE_OtherFromHeight(&s, doc, 33, &w));
  EXPECT_EQ(w, 49);  // 33 * 1.5 = 49.5
  SCALE_GetResultSize(&s, doc, 123, 45, &w, &h);
  EXPECT_EQ(w, 123);
  EXPECT_EQ(h, 45);
  s.KeepProportions = false;
  h = 7;
  EXPECT_FALSE(SCALE_OtherFromWidth(&s, doc, 100, &h));
  EXPECT_EQ(h, 7);
  IMAGE_Free(doc);
}

TEST(ScaleDialog, PercentModeCopiesTheValueAndScalesWithIntegerDivision) {
  ImageDocument* doc = IMAGE_Create(33, 7, 0);
  ScaleDialogState s;
  s.Percent = true;
  int32_t w = 0, h = 0;
  SCALE_GetInitialFields(&s, doc, &w, &h);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 100);
  ASSERT_TRUE(SCALE_OtherFromWidth(&s, doc, 150, &h));
  EXPECT_EQ(h, 150);
  SCALE_GetResultSize(&s, doc, 150, 50, &w, &h);
  EXPECT_EQ(w, 49);  // 150 * 33 / 100
  EXPECT_EQ(h, 3);   // 50 * 7 / 100
  IMAGE_Free(doc);
  // Huge percentages saturate instead of overflowing: INT32_MAX * 1000 / 100.
  doc = IMAGE_Create(1000, 1, 0);
  SCALE_GetResultSize(&s, doc, INT32_MAX, INT32_MAX, &w, &h);
  EXPECT_EQ(w, INT32_MAX);
  EXPECT_EQ(h, INT32_MAX / 100);
  IMAGE_Free(doc);
}
