// Shift_JIS lookups built from the generated mapping table.
#include "font/model/sjis.h"

static uint16_t s_aToUnicode[0x10000];
static uint16_t s_aFromUnicode[0x10000];
static const char* s_apName[0x10000];

// Filled on first use: a job that never meets Shift_JIS does not pay for 640 KB of tables.
static bool build() {
  for (const SjisEntry& e : g_aSjisTable) {
    s_aToUnicode[e.Sjis] = e.Unicode;
    s_aFromUnicode[e.Unicode] = e.Sjis;
    s_apName[e.Sjis] = SJIS_EntryName(e);
  }
  return true;
}

void SJIS_BuildLookups() {
  static const bool built = build();
  (void)built;
}

unsigned SJIS_ToUnicode(unsigned sjis) {
  if (sjis > 0xFFFF) return 0;
  SJIS_BuildLookups();
  return s_aToUnicode[sjis];
}

unsigned SJIS_FromUnicode(unsigned unicode) {
  if (unicode > 0xFFFF) return 0;
  SJIS_BuildLookups();
  return s_aFromUnicode[unicode];
}

const char* SJIS_GetName(unsigned sjis) {
  if (sjis > 0xFFFF) return nullptr;
  SJIS_BuildLookups();
  return s_apName[sjis];
}
