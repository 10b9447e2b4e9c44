// Lines of the properties view: the font block always, the character block when the
// current character is enabled.
#pragma once

#include <string>
#include <vector>

#include "font/model/font_doc.h"

struct PropertyLines {
  std::vector<std::string> Font;       // below "Font Information"
  std::vector<std::string> Character;  // "Character Information" and its lines; empty when disabled
};

PropertyLines GLYPHOR_PropertyLines(const FontDoc* doc);
