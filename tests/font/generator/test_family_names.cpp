// The font chooser's family list: one name a family, English where the face has one,
// while every name stays accepted by -create.
#include <gtest/gtest.h>

#include <algorithm>

#include "font/generator/family_names.h"
#include "font/generator/glyph_gen.h"

namespace {

using Names = std::vector<std::string>;

TEST(FamilyNames, EnglishNamesElseTheFirst) {
  const std::vector<FaceNames> faces = {
      // Localised name first, English second; regular and bold faces of one family.
      {{"IPA Pゴシック", "IPAPGothic"}, {"ja", "en"}},
      {{"IPA Pゴシック", "IPAPGothic"}, {"ja", "en"}},
      // Two English names: the family and a style family, both listed.
      {{"DejaVu Sans", "DejaVu Sans Light"}, {"en", "en"}},
      // A regional English tag.
      {{"Schrift", "Script Face"}, {"de", "en-us"}},
      // No English name: the first one; no languages at all: the first one.
      {{"Мой шрифт", "Mon écriture"}, {"ru", "fr"}},
      {{"Plain", "Other"}, {}},
      // More names than languages: the ones without a language are not English.
      {{"Zeta", "Zeta Local"}, {"en"}},
      {{}, {}},
  };
  EXPECT_EQ(FAMILY_ListedNames(faces),
            (Names{"DejaVu Sans", "DejaVu Sans Light", "IPAPGothic", "Plain", "Script Face", "Zeta", "Мой шрифт"}));
  EXPECT_TRUE(FAMILY_ListedNames({}).empty());
}

// The installed IPA fonts carry Japanese names beside the English ones.
TEST(FamilyNames, InstalledFamiliesListedOnceAndStillAccepted) {
  const Names listed = FONTGEN_ListFaces();
  EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
  EXPECT_EQ(std::adjacent_find(listed.begin(), listed.end()), listed.end());
  EXPECT_NE(std::find(listed.begin(), listed.end(), "DejaVu Sans"), listed.end());
  for (const std::string& name : listed) EXPECT_TRUE(FONTGEN_FaceExists(name.c_str())) << name;
  if (!FONTGEN_FaceExists("IPAPGothic")) GTEST_SKIP() << "IPA fonts are not installed";
  for (const char* latin : {"IPAPGothic", "IPAGothic"})
    EXPECT_NE(std::find(listed.begin(), listed.end(), latin), listed.end()) << latin;
  for (const char* local : {"IPA Pゴシック", "IPAゴシック"}) {
    EXPECT_EQ(std::find(listed.begin(), listed.end(), local), listed.end()) << local;
    EXPECT_TRUE(FONTGEN_FaceExists(local)) << local;
  }
}

}  // namespace
