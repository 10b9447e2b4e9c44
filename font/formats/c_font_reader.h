// C font file reader: a tolerant scanner over the text the C writer produces (either
// compatibility form) or a hand-written file of the same shape.
#pragma once

#include <cstddef>
#include <string>

#include "font/model/font_doc.h"

// Parses a whole file image. On success *result holds a new document (header comment
// and font identifier kept, no path); on failure *error holds the message, position
// included, and *created tells whether the document had been created.
bool CFONT_Parse(const char* data, size_t size, FontDoc** result, std::string* error, bool* created);
// The same on a text the parser may change in place (no copy of a large file).
bool CFONT_ParseText(char* text, size_t size, FontDoc** result, std::string* error, bool* created);

// Reads a C font file; null after the reader's messages ("Could not create font!" last
// once the document had been created).
FontDoc* CFONT_Read(const char* path);
