// Numeric fields of the value-entry dialog: text in a radix, the typing filter and the
// range check, as plain code.
#pragma once

#include <cstdint>
#include <string>

struct ValueField {
  const char* pLabel;
  int Radix;  // 10 or 16
  int64_t Min;
  int64_t Max;
  int64_t* pValue;
};

// The value in the radix with digits "0123456789ABCDEF", a leading '-' when negative.
std::string VALUE_Format(int64_t value, int radix);
// Reads an optional '-' and the digits of the radix up to the first other character;
// values beyond 64 bits saturate. Empty text or a lone '-' read as 0.
int64_t VALUE_Parse(const std::string& text, int radix);
// True when typing ch at position pos of text is allowed: a digit of the radix (either
// letter case), or '-' at the start of a field whose minimum is negative and whose
// text does not begin with '-' yet.
bool VALUE_AcceptsChar(const ValueField& field, const std::string& text, int pos, char ch);
// Empty when the value is within range; else the text of the warning box, e.g.
// "\"Width\" exceeds maximum value.\nMaximum value is: 255".
std::string VALUE_RangeMessage(const ValueField& field, int64_t value);
