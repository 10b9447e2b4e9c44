// Parser of a font's 'cmap' table: the segments of its Windows Unicode BMP subtable
// (platform 3, encoding 1, else 0; format 4), read from a byte range. Segments out of
// order, overlapping or reversed are dropped.
#pragma once

#include <cstddef>
#include <cstdint>

#include "font/model/font_doc.h"

// Replaces the document's segment arrays with the table's segments and sets
// HasUnicodeMap. Returns false when the table has no such subtable or is cut short.
bool CMAP_ReadSegments(FontDoc* doc, const uint8_t* table, size_t size);
