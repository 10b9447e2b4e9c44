// Edit log of the font converter: the running record of changes to the current font,
// one 72-character boxed line per entry, copied by the C font writer into the header.
#pragma once

#include <cstddef>

// Appends text padded with blanks to 69 characters, then "*\r\n" (longer texts get
// "*\r\n" directly behind them).
void EDITLOG_AddLine(const char* text);
void EDITLOG_Clear();
// Always a valid, null-terminated text (empty when nothing was logged).
const char* EDITLOG_GetText();
// Capacity of the buffer; grows in whole steps of 1024 bytes.
size_t EDITLOG_GetCapacity();
// The framed form of one entry (what EDITLOG_AddLine appends).
void EDITLOG_FormatLine(const char* text, char* out, size_t outSize);
