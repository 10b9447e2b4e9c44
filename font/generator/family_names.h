// The family names the font chooser lists. fontconfig gives a face every name its font
// carries, localised ones too ("IPA Pゴシック" beside "IPAPGothic"); all of them are
// accepted by exact name, but a family is listed once, under its English name.
#pragma once

#include <string>
#include <vector>

// The names of one installed face: fontconfig's family and familylang values, in order.
struct FaceNames {
  std::vector<std::string> Families;
  std::vector<std::string> Languages;  // may be shorter than Families
};

// Every face's English names (language "en" or "en-..."), or its first name when it has
// none; sorted, each once.
std::vector<std::string> FAMILY_ListedNames(const std::vector<FaceNames>& faces);
