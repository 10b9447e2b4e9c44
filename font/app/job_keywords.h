// Keyword lists of the font converter's job commands, each ended by a null entry.
// A keyword's 1-based position in its list gives its value.
#pragma once

extern const char* const GLYPHOR_apStyle[];        // THIN .. HEAVY_ITALIC
extern const char* const GLYPHOR_apStyleWording[];  // "a thin" .. "a heavy italic"
extern const char* const GLYPHOR_apType[];          // STD .. EXT_AA4: font type + 1
extern const char* const GLYPHOR_apEncoding[];      // UC16, ISO8859, JIS: encoding + 1
extern const char* const GLYPHOR_apMethod[];        // OS, INTERNAL: antialiasing mode + 1
extern const char* const GLYPHOR_apSaveType[];      // C, SIF, XBF: output format + 1
extern const char* const GLYPHOR_apEditAction[];    // DEL, INS
extern const char* const GLYPHOR_apEditDetail[];    // TOP, BOTTOM
