// Shift_JIS lookups built from the generated mapping table.
#include "font/model/sjis.h"

static uint16_t s_aToUnicode[0x10000];
static uint16_t s_aFromUnicode[0x10000];
static const char* s_apName[0x10000];

void SJIS_BuildLookups() {
  for (const SjisEntry& e : g_aSjisTable) {
    s_aToUnicode[e.Sjis] = e.Unicode;
    s_aFromUnicode[e.Unicode] = e.Sjis;
    s_apName[e.Sjis] = e.pName;
  }
}

unsigned SJIS_ToUnicode(unsigned sjis) { return sjis <= 0xFFFF ? s_aToUnicode[sjis] : 0; }

unsigned SJIS_FromUnicode(unsigned unicode) {
  return unicode <= 0xFFFF ? s_aFromUnicode[unicode] : 0;
}

const char* SJIS_GetName(unsigned sjis) { return sjis <= 0xFFFF ? s_apName[sjis] : nullptr; }
