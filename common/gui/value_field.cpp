// Value-entry field rules.
#include "common/gui/value_field.h"

#include <cctype>
#include <limits>

namespace {

const char kDigits[] = "0123456789ABCDEF";

int digit_value(char ch, int radix) {
  const int c = std::toupper(static_cast<unsigned char>(ch));
  for (int d = 0; d < radix && d < 16; ++d)
    if (kDigits[d] == c) return d;
  return -1;
}

}  // namespace

std::string VALUE_Format(int64_t value, int radix) {
  if (radix != 16) radix = 10;
  const bool negative = value < 0;
  // Work on the magnitude as unsigned so that the smallest value has one too.
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[magnitude % static_cast<unsigned>(radix)]);
    magnitude /= static_cast<unsigned>(radix);
  } while (magnitude);
  return negative ? "-" + digits : digits;
}

int64_t VALUE_Parse(const std::string& text, int radix) {
  if (radix != 16) radix = 10;
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  const uint64_t limit = negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1
                                  : uint64_t(std::numeric_limits<int64_t>::max());
  uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int d = digit_value(text[i], radix);
    if (d < 0) break;
    if (magnitude > (limit - static_cast<uint64_t>(d)) / static_cast<unsigned>(radix)) {
      magnitude = limit;
      break;
    }
    magnitude = magnitude * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
  }
  return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

bool VALUE_AcceptsChar(const ValueField& field, const std::string& text, int pos, char ch) {
  if (ch == '-') return pos == 0 && field.Min < 0 && (text.empty() || text[0] != '-');
  return digit_value(ch, field.Radix == 16 ? 16 : 10) >= 0;
}

std::string VALUE_RangeMessage(const ValueField& field, int64_t value) {
  const std::string label = field.pLabel ? field.pLabel : "";
  if (value < field.Min)
    return "\"" + label + "\" exceeds minimum value.\nMinimum value is: " + VALUE_Format(field.Min, field.Radix);
  if (value > field.Max)
    return "\"" + label + "\" exceeds maximum value.\nMaximum value is: " + VALUE_Format(field.Max, field.Radix);
  return {};
}
