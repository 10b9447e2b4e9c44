// Scanning operations of the C font reader over a text of Size bytes (no terminator
// needed). The first error is kept; once there is one, every operation does nothing.
#pragma once

#include <cstddef>
#include <string>

struct CScanner {
  const char* pText;
  size_t Size;
  size_t Pos = 0;
  std::string Error;
  size_t ErrorPos = 0;

  CScanner(const char* text, size_t size) : pText(text), Size(size) {}
  char At() const { return Pos < Size ? pText[Pos] : '\0'; }
  bool AtEnd() const { return Pos >= Size; }
  void Fail(const std::string& text);
  void SkipBlanks();
  void NextLine();
  // End of the word at the cursor (the cursor itself when it is not on a word).
  size_t WordEnd() const;
  std::string ReadWord(size_t capacity);
  std::string NextWord(size_t capacity);
  // Moves to the next occurrence of the word; false when there is none.
  bool FindWord(const char* word);
  // Moves to the next occurrence of c; false (at the end) when there is none.
  bool SkipTo(char c);
  void Expect(char c);
  int Decimal(int minimum, int maximum);
  int Hex(int minimum, int maximum);
  // A structure field: after the first one the cursor moves past the next ','.
  int Field(bool first);
  // A pixel byte (hexadecimal, 'X'/'_' pattern or decimal); false at the array's '}'
  // or on error (only the latter sets the error).
  bool Byte(int* value);
  // Up to count pixel bytes into values; the number read (fewer at the array's '}' or
  // on error, as Byte tells).
  size_t Bytes(int* values, size_t count);
  // "\r\n\r\nError occured in:..." for a text position.
  std::string Position(size_t pos) const;

 private:
  // Byte for a word other than a two-digit "0x" number.
  bool OtherByte(int* value);
};

// Position of the first occurrence of what (length n >= 1) in s[from, size), or size.
size_t CSCAN_Find(const char* s, size_t size, size_t from, const char* what, size_t n);
