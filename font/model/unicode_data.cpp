// Lookups over the generated Unicode table.
#include "font/model/unicode_data.h"

static const char* s_apName[0x10000];
static uint8_t s_aBidi[0x10000];

// Filled on first use: a job that names no character does not pay for the tables.
static bool build() {
  for (const UnicodeEntry& e : g_aUnicodeTable) {
    if (e.Code > 0xFFFF) continue;
    s_apName[e.Code] = UNICODE_EntryName(e);
    s_aBidi[e.Code] = e.BidiClass;
  }
  return true;
}

void UNICODE_BuildLookups() {
  static const bool built = build();
  (void)built;
}

const char* UNICODE_GetName(unsigned code) {
  if (code > 0xFFFF) return nullptr;
  UNICODE_BuildLookups();
  return s_apName[code];
}

int UNICODE_GetBidiClass(unsigned code) {
  if (code > 0xFFFF) return 0;
  UNICODE_BuildLookups();
  return s_aBidi[code];
}
