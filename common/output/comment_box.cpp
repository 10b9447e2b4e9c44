// Comment box lines of generated C files.
#include "common/output/comment_box.h"

#include "common/settings/maker.h"

std::string BOX_Top() { return "/" + std::string(69, '*') + "\r\n"; }

std::string BOX_Rule() { return std::string(70, '*') + "\r\n"; }

std::string BOX_Line(const std::string& text) {
  std::string line = text;
  if (line.size() < 69) line.append(69 - line.size(), ' ');
  return line + "*\r\n";
}

std::string BOX_Centred(const std::string& text) {
  const size_t n = text.size();
  const size_t left = n >= 68 ? 0 : (68 - n) / 2;
  const size_t right = n >= 68 ? 0 : 68 - n - left;
  return "*" + std::string(left, ' ') + text + std::string(right, ' ') + "*\r\n";
}

std::string BOX_MakerBlock() {
  return BOX_Top() + BOX_Centred(MAKER_NAME) + BOX_Centred(MAKER_TAGLINE) + BOX_Centred(MAKER_WEB) +
         BOX_Rule();
}
