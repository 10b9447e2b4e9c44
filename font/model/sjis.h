// Shift_JIS mapping (Unicode Consortium table 2.0: JIS X 0201 single bytes and
// JIS X 0208 double bytes). The table is generated from data/SHIFTJIS.TXT, whose
// lines are not in code order; three 65536-entry lookups are filled on first use.
#pragma once

#include <cstdint>

enum { SJIS_NUM_ENTRIES = 7037 };

struct SjisEntry {
  uint16_t Sjis;
  uint16_t Unicode;
  uint32_t NameOffset;  // into g_acSjisNames
};

extern const SjisEntry g_aSjisTable[SJIS_NUM_ENTRIES];
extern const char g_acSjisNames[];  // the names, each ended by a zero byte

inline const char* SJIS_EntryName(const SjisEntry& e) { return g_acSjisNames + e.NameOffset; }

// Fills the lookups now (the accessors do it on first use).
void SJIS_BuildLookups();
// 0 for codes outside the table.
unsigned SJIS_ToUnicode(unsigned sjis);
unsigned SJIS_FromUnicode(unsigned unicode);
// Null for codes outside the table.
const char* SJIS_GetName(unsigned sjis);
