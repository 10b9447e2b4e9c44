// Pattern files: UTF-16 text files (Shift_JIS bytes for Shift_JIS documents) that carry
// a set of characters from one font to another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "font/model/font_doc.h"

// Decoder of a pattern file's bytes, fed in pieces of any size.
struct PatternDecoder {
  int Encoding = FONT_ENC_UNICODE;
  bool Started = false;  // the first unit was seen
  bool Swap = false;     // big-endian units (the file began with FE FF)
  int Held = -1;         // a byte waiting for the second byte of its unit or code
};

typedef void (*PATTERN_CodeSink)(void* context, unsigned code);

// Decodes the bytes and hands every code of 32 or more to the sink. A leading byte-order
// mark is consumed (FF FE little-endian, FE FF big-endian); without one the units are
// little-endian from the first. Shift_JIS documents read one-byte codes and two-byte
// codes (a first byte with bit 7 set), without a byte-order mark.
void PATTERN_Feed(PatternDecoder* decoder, const uint8_t* data, size_t size, PATTERN_CodeSink sink,
                  void* context);

// The message about codes the font does not have, collected up to about 960 characters.
struct PatternMissing {
  std::string Text;
  int Count = 0;
  bool Cut = false;
};
void PATTERN_AddMissing(PatternMissing* missing, unsigned code);

// Enables the code when the document's source font has it, else adds it to the message.
void PATTERN_ApplyCode(FontDoc* doc, unsigned code, PatternMissing* missing);
// Reads a pattern file into the document: logs "* Read pattern file: <full path>",
// enables the codes listed, redraws and reports the missing codes. False (after
// "Could not open file!") when the file cannot be opened or is not a regular file.
bool PATTERN_ReadFile(FontDoc* doc, const char* path);

// The bytes of the document's pattern file: byte-order mark FF FE, the enabled codes
// as little-endian units, a new line before the first code of each later block.
std::string PATTERN_Build(const FontDoc* doc);
// Logs "* Save pattern file: <path>" and writes the file; false when it could not be
// written (not reported).
bool PATTERN_WriteFile(const FontDoc* doc, const char* path);
