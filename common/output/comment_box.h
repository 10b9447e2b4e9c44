// The 70-column comment box that opens every generated C file (bitmaps and fonts).
// Each function returns whole lines ending in CR LF.
#pragma once

#include <string>

// "/" and 69 asterisks: the box's first line.
std::string BOX_Top();
// 70 asterisks.
std::string BOX_Rule();
// The text padded with blanks to 69 columns, then '*'. Longer texts are kept whole.
std::string BOX_Line(const std::string& text);
// '*', the text centred in 68 columns, '*' (texts of 68 or more characters start at once).
std::string BOX_Centred(const std::string& text);
// The maker's block: top line, the maker's name, tagline and web address centred, rule.
std::string BOX_MakerBlock();
