// Scanning operations of the C font reader.
#include "font/formats/c_text_scanner.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

struct WordChars {
  bool aIs[256];
  WordChars() {
    for (int c = 0; c < 256; ++c) aIs[c] = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  }
};
const WordChars s_wordChars;

inline bool is_word(char c) { return s_wordChars.aIs[static_cast<unsigned char>(c)]; }

inline int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool CSCAN_IsWordChar(char c) { return is_word(c); }

void CScanner::Fail(const std::string& text) {
  if (!Error.empty()) return;
  Error = text.empty() ? std::string("Error") : text;
  ErrorPos = Pos;
}

void CScanner::SkipBlanks() {
  while (At() == ' ' || At() == '\t') ++Pos;
}

void CScanner::NextLine() {
  if (!Error.empty()) return;
  while (!AtEnd() && At() != '\r' && At() != '\n') ++Pos;
  while (At() == '\r' || At() == '\n') ++Pos;
}

size_t CScanner::WordEnd() const {
  size_t end = Pos;
  while (end < Size && is_word(pText[end])) ++end;
  return end;
}

std::string CScanner::ReadWord(size_t capacity) {
  if (!Error.empty()) return std::string();
  SkipBlanks();
  const size_t start = Pos;
  Pos = WordEnd();
  const size_t n = Pos - start;
  return std::string(pText + start, n < capacity ? n : capacity);
}

std::string CScanner::NextWord(size_t capacity) {
  if (!Error.empty()) return std::string();
  // Blanks and other characters before the word are stepped over alike.
  while (Pos < Size && !is_word(pText[Pos])) ++Pos;
  return ReadWord(capacity);
}

bool CScanner::FindWord(const char* word) {
  const size_t length = std::strlen(word);
  if (!Error.empty() || length == 0 || length >= 256) {
    // Words are compared by their first 256 characters, as NextWord gives them.
    while (Error.empty() && Pos < Size)
      if (NextWord(256) == word) return true;
    return false;
  }
  // The word at the cursor counts even when the cursor is inside a longer word.
  const size_t first = Pos;
  while (Pos < Size) {
    const void* hit = memmem(pText + Pos, Size - Pos, word, length);
    if (!hit) break;
    const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - pText);
    const size_t end = at + length;
    if ((at == first || !is_word(pText[at - 1])) && (end >= Size || !is_word(pText[end]))) {
      Pos = end;
      return true;
    }
    Pos = at + 1;
  }
  Pos = Size;
  return false;
}

bool CScanner::SkipTo(char c) {
  while (!AtEnd() && At() != c) ++Pos;
  return !AtEnd();
}

void CScanner::Expect(char c) {
  if (!Error.empty()) return;
  if (At() == c) {
    ++Pos;
    return;
  }
  Fail(std::string("Expected '") + c + "', got '" + (AtEnd() ? std::string() : std::string(1, At())) + "'");
}

int CScanner::Decimal(int minimum, int maximum) {
  if (!Error.empty()) return 0;
  SkipBlanks();
  bool negative = false;
  if (At() == '+' || At() == '-') {
    negative = At() == '-';
    ++Pos;
  }
  if (!std::isdigit(static_cast<unsigned char>(At()))) {
    Fail("Expecting a number");
    return 0;
  }
  long long v = 0;
  while (std::isdigit(static_cast<unsigned char>(At()))) {
    if (v <= maximum) v = v * 10 + (At() - '0');
    ++Pos;
  }
  if (v < minimum) {
    char ac[40];
    std::snprintf(ac, sizeof(ac), "Expected a value >= %d", minimum);
    Fail(ac);
    return 0;
  }
  if (v > maximum) v = maximum;
  return static_cast<int>(negative ? -v : v);
}

int CScanner::Hex(int minimum, int maximum) {
  if (!Error.empty()) return 0;
  SkipBlanks();
  if (!std::isxdigit(static_cast<unsigned char>(At()))) {
    Fail("Expecting a number");
    return 0;
  }
  long long v = 0;
  while (std::isxdigit(static_cast<unsigned char>(At()))) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(At())));
    if (v <= maximum) v = v * 16 + (c <= '9' ? c - '0' : c - 'a' + 10);
    ++Pos;
  }
  if (v < minimum) {
    char ac[40];
    std::snprintf(ac, sizeof(ac), "Expected a value >= %x", static_cast<unsigned>(minimum));
    Fail(ac);
    return 0;
  }
  return static_cast<int>(v > maximum ? maximum : v);
}

int CScanner::Field(bool first) {
  if (!Error.empty()) return 0;
  if (!first) {
    if (!SkipTo(',')) {
      Fail("Expected ',', got ''");
      return 0;
    }
    Expect(',');
    SkipBlanks();
  }
  return Decimal(0, 1000);
}

bool CScanner::Byte(int* value) {
  *value = 0;
  if (!Error.empty()) return false;
  while (Pos < Size && !is_word(pText[Pos])) {
    if (pText[Pos] == '}') return false;
    ++Pos;
  }
  if (Pos >= Size) {
    Fail("Expecting a number");
    return false;
  }
  const size_t start = Pos;
  const size_t end = WordEnd();
  const size_t n = end - start;
  const char* w = pText + start;
  Pos = end;
  auto bad = [&](const char* message) {
    Pos = start;
    Fail(message);
    return false;
  };
  if (n > 1 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X')) {
    // Hexadecimal: every character after "0x" must be a digit; the value saturates.
    if (n == 2) return bad("Expecting a number");
    long v = 0;
    for (size_t i = 2; i < n; ++i) {
      const int d = hex_digit(w[i]);
      if (d < 0) return bad("Expecting a number");
      if (v <= 0xFFFF) v = v * 16 + d;
    }
    *value = static_cast<int>(v > 0xFFFF ? 0xFFFF : v);
    return true;
  }
  if (w[0] == '_' || w[0] == 'X') {
    if (n != 8) return bad("Expected a pattern of 8 characters");
    int v = 0;
    for (size_t i = 0; i < 8; ++i) {
      if (w[i] != 'X' && w[i] != '_') return bad("Expected a pattern of 8 characters");
      v = v << 1 | (w[i] == 'X');
    }
    *value = v;
    return true;
  }
  long v = 0;
  for (size_t i = 0; i < n; ++i) {
    if (w[i] < '0' || w[i] > '9') return bad("Expecting a number");
    if (v <= 0xFFFF) v = v * 10 + (w[i] - '0');
  }
  *value = static_cast<int>(v > 0xFFFF ? 0xFFFF : v);
  return true;
}

std::string CScanner::Position(size_t pos) const {
  int line = 1;
  size_t lineStart = 0;  // column 1
  const size_t end = pos < Size ? pos : Size;
  for (size_t i = 0; i + 1 <= end && i + 1 < Size; ++i)
    if (pText[i] == '\r' && pText[i + 1] == '\n') {
      ++line;
      lineStart = i + 1;
    }
  const int column = static_cast<int>(end - lineStart) + 1;
  char ac[80];
  std::snprintf(ac, sizeof(ac), "\r\n\r\nError occured in:\r\nLine:\t%d\r\nColumn:\t%d", line, column);
  return ac;
}
