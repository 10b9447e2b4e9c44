// The 'cmap' parser on hand-built tables: subtable choice, segments, damaged tables.
#include <gtest/gtest.h>

#include <vector>

#include "font/generator/cmap.h"

namespace {

void put16(std::vector<uint8_t>* t, unsigned v) {
  t->push_back(static_cast<uint8_t>(v >> 8));
  t->push_back(static_cast<uint8_t>(v));
}

// A cmap with one record per (platform, encoding) pair, all pointing at one format-4
// subtable with the given segments.
std::vector<uint8_t> make_cmap(const std::vector<std::pair<unsigned, unsigned>>& records,
                               const std::vector<std::pair<unsigned, unsigned>>& segments) {
  std::vector<uint8_t> t;
  put16(&t, 0);
  put16(&t, static_cast<unsigned>(records.size()));
  const unsigned offset = 4 + 8 * static_cast<unsigned>(records.size());
  for (auto [platform, enc] : records) {
    put16(&t, platform);
    put16(&t, enc);
    put16(&t, 0);
    put16(&t, offset);
  }
  const unsigned n = static_cast<unsigned>(segments.size());
  put16(&t, 4);
  put16(&t, 16 + 8 * n);
  put16(&t, 0);
  put16(&t, 2 * n);
  put16(&t, 0);
  put16(&t, 0);
  put16(&t, 0);
  for (auto s : segments) put16(&t, s.second);
  put16(&t, 0);
  for (auto s : segments) put16(&t, s.first);
  return t;
}

struct Doc {
  FontDoc* p = FONT_CreateEmpty();
  ~Doc() { FONT_Destroy(p); }
};

TEST(Cmap, ReadsTheSegmentsOfTheUnicodeSubtable) {
  Doc doc;
  std::vector<uint8_t> t = make_cmap({{1, 0}, {3, 1}}, {{0x20, 0x7E}, {0x4E00, 0x4E05}, {0xFFFF, 0xFFFF}});
  ASSERT_TRUE(CMAP_ReadSegments(doc.p, t.data(), t.size()));
  EXPECT_EQ(doc.p->HasUnicodeMap, 1);
  ASSERT_EQ(doc.p->NumSegments, 3);
  EXPECT_EQ(doc.p->paSegStart[0], 0x20);
  EXPECT_EQ(doc.p->paSegEnd[0], 0x7E);
  EXPECT_EQ(doc.p->paSegStart[1], 0x4E00);
  EXPECT_EQ(doc.p->paSegEnd[1], 0x4E05);
  // The symbol encoding (3, 0) serves when there is no Unicode one.
  Doc symbol;
  t = make_cmap({{3, 0}}, {{0xF020, 0xF0FF}});
  ASSERT_TRUE(CMAP_ReadSegments(symbol.p, t.data(), t.size()));
  EXPECT_EQ(symbol.p->paSegStart[0], 0xF020);
}

TEST(Cmap, RefusesTablesWithoutAWindowsSubtableOrCutShort) {
  Doc doc;
  std::vector<uint8_t> t = make_cmap({{1, 0}}, {{0x20, 0x7E}});
  EXPECT_FALSE(CMAP_ReadSegments(doc.p, t.data(), t.size()));
  EXPECT_EQ(doc.p->HasUnicodeMap, 0);
  t = make_cmap({{3, 1}}, {{0x20, 0x7E}, {0xFFFF, 0xFFFF}});
  for (size_t cut : {size_t{0}, size_t{3}, size_t{11}, size_t{20}, t.size() - 1}) {
    Doc d;
    EXPECT_FALSE(CMAP_ReadSegments(d.p, t.data(), cut)) << cut;
    EXPECT_EQ(d.p->HasUnicodeMap, 0) << cut;
  }
  EXPECT_FALSE(CMAP_ReadSegments(doc.p, nullptr, 100));
  // A subtable of another format is not read.
  t[4 + 8 + 1] = 6;
  EXPECT_FALSE(CMAP_ReadSegments(doc.p, t.data(), t.size()));
}

TEST(Cmap, SegmentsOutOfOrderOverlappingOrReversedAreDropped) {
  // 2,000 segments each claiming every code would make the availability walk visit
  // 131 million codes; only the first of them is kept.
  std::vector<std::pair<unsigned, unsigned>> segments(2000, {0x0000, 0xFFFF});
  Doc doc;
  std::vector<uint8_t> t = make_cmap({{3, 1}}, segments);
  ASSERT_TRUE(CMAP_ReadSegments(doc.p, t.data(), t.size()));
  ASSERT_EQ(doc.p->NumSegments, 1);
  EXPECT_EQ(doc.p->paSegEnd[0], 0xFFFF);
  t = make_cmap({{3, 1}}, {{0x20, 0x7E}, {0x50, 0x60}, {0x90, 0x80}, {0x7F, 0x7F}, {0xA0, 0xFF}});
  ASSERT_TRUE(CMAP_ReadSegments(doc.p, t.data(), t.size()));
  ASSERT_EQ(doc.p->NumSegments, 3);
  EXPECT_EQ(doc.p->paSegStart[1], 0x7F);
  EXPECT_EQ(doc.p->paSegStart[2], 0xA0);
  EXPECT_EQ(doc.p->paSegEnd[2], 0xFF);
}

}  // namespace
