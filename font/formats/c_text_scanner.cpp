// Scanning operations of the C font reader.
#include "font/formats/c_text_scanner.h"

#include <cctype>
#include <cstdio>
#include <cstring>

bool CSCAN_IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

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

std::string CScanner::ReadWord(size_t capacity) {
  std::string word;
  if (!Error.empty()) return word;
  SkipBlanks();
  while (CSCAN_IsWordChar(At())) {
    if (word.size() < capacity) word += At();
    ++Pos;
  }
  return word;
}

std::string CScanner::NextWord(size_t capacity) {
  std::string word;
  while (Error.empty() && !AtEnd()) {
    word = ReadWord(capacity);
    if (!word.empty()) return word;
    ++Pos;
  }
  return word;
}

bool CScanner::FindWord(const char* word) {
  while (Error.empty() && !AtEnd()) {
    if (NextWord(256) == word) return true;
  }
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
  while (!AtEnd() && !CSCAN_IsWordChar(At())) {
    if (At() == '}') return false;
    ++Pos;
  }
  if (AtEnd()) {
    Fail("Expecting a number");
    return false;
  }
  const size_t start = Pos;
  std::string word = ReadWord(64);
  if (word.size() > 1 && (word[1] == 'x' || word[1] == 'X') && word[0] == '0') {
    CScanner sub(pText, Size);
    sub.Pos = start + 2;
    *value = sub.Hex(0, 0xFFFF);
    if (!sub.Error.empty() || sub.Pos != Pos) {
      Pos = start;
      Fail("Expecting a number");
      return false;
    }
    return true;
  }
  if (word[0] == '_' || word[0] == 'X') {
    if (word.size() != 8) {
      Pos = start;
      Fail("Expected a pattern of 8 characters");
      return false;
    }
    int v = 0;
    for (char c : word) {
      if (c != 'X' && c != '_') {
        Pos = start;
        Fail("Expected a pattern of 8 characters");
        return false;
      }
      v = v << 1 | (c == 'X');
    }
    *value = v;
    return true;
  }
  CScanner sub(pText, Size);
  sub.Pos = start;
  *value = sub.Decimal(0, 0xFFFF);
  if (!sub.Error.empty() || sub.Pos != Pos) {
    Pos = start;
    Fail("Expecting a number");
    return false;
  }
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
