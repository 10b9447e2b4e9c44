// Unicode character names and bidirectional classes (Unicode 4.1.0, codes up to 0xFFFD).
// The table is generated at build time from data/UnicodeData-4.1.0.txt; the two
// 65536-entry lookups are filled on first use.
#pragma once

#include <cstdint>

enum {
  UNICODE_NUM_ENTRIES = 13076,
  UNICODE_BIDI_NSM = 7,  // non-spacing mark
};

struct UnicodeEntry {
  uint32_t Code;
  uint32_t CombiningClass;  // kept from the database, not used
  char acCategory[3];       // two-letter general category, not used
  uint8_t BidiClass;        // 1 to 19
  uint32_t NameOffset;      // into g_acUnicodeNames
};

extern const UnicodeEntry g_aUnicodeTable[UNICODE_NUM_ENTRIES];
extern const char g_acUnicodeNames[];  // the names, each ended by a zero byte

inline const char* UNICODE_EntryName(const UnicodeEntry& e) { return g_acUnicodeNames + e.NameOffset; }

// Fills the lookups now (the accessors do it on first use).
void UNICODE_BuildLookups();
// Name of a code, or null when the table has no entry for it (codes inside ranges).
const char* UNICODE_GetName(unsigned code);
// Bidirectional class 1 to 19, 0 when the table has no entry.
int UNICODE_GetBidiClass(unsigned code);
