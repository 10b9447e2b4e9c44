// Edit log: one growable buffer for the whole program.
#include "font/model/edit_log.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

static char* s_pText;
static size_t s_length;
static size_t s_capacity;

static bool reserve(size_t needed) {
  if (needed < s_capacity) return true;
  size_t grow = (needed - s_capacity) / 1024 * 1024 + 1024;
  char* p = static_cast<char*>(std::realloc(s_pText, s_capacity + grow));
  if (!p) return false;
  s_pText = p;
  s_capacity += grow;
  return true;
}

void EDITLOG_FormatLine(const char* text, char* out, size_t outSize) {
  std::snprintf(out, outSize, "%-69s*\r\n", text ? text : "");
}

void EDITLOG_AddLine(const char* text) {
  size_t n = std::strlen(text ? text : "");
  size_t lineLen = (n < 69 ? 69 : n) + 3;
  if (!reserve(s_length + lineLen)) return;
  EDITLOG_FormatLine(text, s_pText + s_length, s_capacity - s_length);
  s_length += lineLen;
}

void EDITLOG_Clear() {
  s_length = 0;
  if (s_pText) s_pText[0] = 0;
}

const char* EDITLOG_GetText() { return s_pText ? s_pText : ""; }

size_t EDITLOG_GetCapacity() { return s_capacity; }
