// Keyword lists of the job commands.
#include "font/app/job_keywords.h"

const char* const GLYPHOR_apStyle[] = {"THIN",   "THIN_ITALIC",   "EXTRALIGHT", "EXTRALIGHT_ITALIC",
                                       "LIGHT",  "LIGHT_ITALIC",  "REGULAR",    "REGULAR_ITALIC",
                                       "MEDIUM", "MEDIUM_ITALIC", "SEMIBOLD",   "SEMIBOLD_ITALIC",
                                       "BOLD",   "BOLD_ITALIC",   "EXTRABOLD",  "EXTRABOLD_ITALIC",
                                       "HEAVY",  "HEAVY_ITALIC",  nullptr};
const char* const GLYPHOR_apStyleWording[] = {
    "a thin",         "a thin italic",        "an extra light", "an extra light italic",
    "a light",        "a light italic",       "a regular",      "a regular italic",
    "a medium",       "a medium italic",      "a semi bold",    "a semi bold italic",
    "a bold",         "a bold italic",        "an extra bold",  "an extra bold italic",
    "a heavy",        "a heavy italic",       nullptr};
const char* const GLYPHOR_apType[] = {"STD", "AA2", "AA4", "EXT", "EXT_FRM", "EXT_AA2", "EXT_AA4", nullptr};
const char* const GLYPHOR_apEncoding[] = {"UC16", "ISO8859", "JIS", nullptr};
const char* const GLYPHOR_apMethod[] = {"OS", "INTERNAL", nullptr};
const char* const GLYPHOR_apSaveType[] = {"C", "SIF", "XBF", nullptr};
const char* const GLYPHOR_apEditAction[] = {"DEL", "INS", nullptr};
const char* const GLYPHOR_apEditDetail[] = {"TOP", "BOTTOM", nullptr};
