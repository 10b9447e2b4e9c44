// Lookups over the generated Unicode table.
#include "font/model/unicode_data.h"

static const char* s_apName[0x10000];
static uint8_t s_aBidi[0x10000];

void UNICODE_BuildLookups() {
  for (const UnicodeEntry& e : g_aUnicodeTable) {
    if (e.Code > 0xFFFF) continue;
    s_apName[e.Code] = e.pName;
    s_aBidi[e.Code] = e.BidiClass;
  }
}

const char* UNICODE_GetName(unsigned code) { return code <= 0xFFFF ? s_apName[code] : nullptr; }

int UNICODE_GetBidiClass(unsigned code) { return code <= 0xFFFF ? s_aBidi[code] : 0; }
