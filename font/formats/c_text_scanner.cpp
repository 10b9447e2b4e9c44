// Scanning operations of the C font reader.
#include "font/formats/c_text_scanner.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

struct CharTables {
  bool aWord[256];
  signed char aHex[256];  // digit value, -1 for other characters
  constexpr CharTables() : aWord(), aHex() {
    for (int c = 0; c < 256; ++c) {
      aWord[c] = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
      aHex[c] = static_cast<signed char>(c >= '0' && c <= '9'   ? c - '0'
                                         : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                         : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                                : -1);
    }
  }
};
constexpr CharTables s_tables;

inline bool is_word(char c) { return s_tables.aWord[static_cast<unsigned char>(c)]; }

inline int hex_digit(char c) { return s_tables.aHex[static_cast<unsigned char>(c)]; }

}  // namespace

size_t CSCAN_Find(const char* s, size_t size, size_t from, const char* what, size_t n) {
  while (from < size && size - from >= n) {
    const void* hit = std::memchr(s + from, what[0], size - from - n + 1);
    if (!hit) break;
    const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - s);
    if (std::memcmp(s + at + 1, what + 1, n - 1) == 0) return at;
    from = at + 1;
  }
  return size;
}

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
  while (Pos < Size && pText[Pos] != '\r' && pText[Pos] != '\n') ++Pos;
  while (Pos < Size && (pText[Pos] == '\r' || pText[Pos] == '\n')) ++Pos;
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
    const size_t at = CSCAN_Find(pText, Size, Pos, word, length);
    if (at == Size) break;
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
  if (Pos >= Size) return false;
  const void* hit = std::memchr(pText + Pos, c, Size - Pos);
  Pos = hit ? static_cast<size_t>(static_cast<const char*>(hit) - pText) : Size;
  return hit != nullptr;
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

bool CScanner::Byte(int* value) { return Bytes(value, 1) == 1; }

size_t CScanner::Bytes(int* values, size_t count) {
  if (!count) return 0;
  if (!Error.empty()) {
    values[0] = 0;
    return 0;
  }
  const char* const s = pText;
  size_t pos = Pos;
  size_t n = 0;
  while (n < count) {
    while (pos < Size && !is_word(s[pos])) {
      if (s[pos] == '}') {
        Pos = pos;
        values[n] = 0;
        return n;
      }
      ++pos;
    }
    // The writer's form: "0x" and two digits, mostly followed by ", ".
    if (pos + 4 < Size && s[pos] == '0' && (s[pos + 1] == 'x' || s[pos + 1] == 'X')) {
      const int high = hex_digit(s[pos + 2]);
      const int low = hex_digit(s[pos + 3]);
      if ((high | low) >= 0 && !is_word(s[pos + 4])) {
        values[n++] = high << 4 | low;
        pos += 4;
        if (pos + 2 <= Size && s[pos] == ',' && s[pos + 1] == ' ') pos += 2;
        continue;
      }
    }
    Pos = pos;
    if (!OtherByte(&values[n])) return n;
    pos = Pos;
    ++n;
  }
  Pos = pos;
  return n;
}

bool CScanner::OtherByte(int* value) {
  *value = 0;
  if (Pos >= Size) {
    Fail("Expecting a number");
    return false;
  }
  const size_t start = Pos;
  const size_t end = WordEnd();
  const size_t n = end - start;
  const char* w = pText + start;
  auto bad = [&](const char* message) {
    Pos = start;
    Fail(message);
    return false;
  };
  // A number must be the whole word: read by the number readers from 'from' to its end.
  auto number = [&](size_t from, bool hex) {
    CScanner sub(pText, Size);
    sub.Pos = from;
    *value = hex ? sub.Hex(0, 0xFFFF) : sub.Decimal(0, 0xFFFF);
    if (!sub.Error.empty() || sub.Pos != end) {
      *value = 0;
      return bad("Expecting a number");
    }
    Pos = end;
    return true;
  };
  if (n > 1 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X')) return number(start + 2, true);
  if (w[0] == '_' || w[0] == 'X') {
    if (n != 8) return bad("Expected a pattern of 8 characters");
    int v = 0;
    for (size_t i = 0; i < 8; ++i) {
      if (w[i] != 'X' && w[i] != '_') return bad("Expected a pattern of 8 characters");
      v = v << 1 | (w[i] == 'X');
    }
    *value = v;
    Pos = end;
    return true;
  }
  return number(start, false);
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
