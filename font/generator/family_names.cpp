// Listed family names: English where the face has one.
#include "font/generator/family_names.h"

#include <algorithm>
#include <set>

static bool is_english(const std::string& language) {
  return language == "en" || language.rfind("en-", 0) == 0 || language.rfind("en_", 0) == 0;
}

std::vector<std::string> FAMILY_ListedNames(const std::vector<FaceNames>& faces) {
  std::set<std::string> listed;
  for (const FaceNames& face : faces) {
    bool english = false;
    for (size_t i = 0; i < face.Families.size() && i < face.Languages.size(); ++i)
      if (is_english(face.Languages[i])) {
        listed.insert(face.Families[i]);
        english = true;
      }
    if (!english && !face.Families.empty()) listed.insert(face.Families.front());
  }
  return {listed.begin(), listed.end()};
}
