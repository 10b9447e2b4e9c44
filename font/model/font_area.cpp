// Unicode area table: (length in blocks, name) laid end to end from code 0.
#include "font/model/font_doc.h"

namespace {

struct AreaEntry {
  unsigned FirstCode;
  const char* pName;
};

// Lengths are the distance to the next first code divided by 16; the end entry is
// 200 blocks long.
const AreaEntry s_aArea[FONT_NUM_AREAS] = {
    {0x0000, "Control"},
    {0x0020, "Basic Latin"},
    {0x0080, "Control"},
    {0x00A0, "Latin-1 Supplement"},
    {0x0100, "Latin Extended-A"},
    {0x0180, "Latin Extended-B"},
    {0x0200, "Latin Extended-B"},
    {0x0250, "IPA Extensions"},
    {0x02B0, "Spacing Modifier Letters"},
    {0x0300, "Combining Diacritical Marks"},
    {0x0370, "Basic Greek"},
    {0x03D0, "Greek Symbol and Coptic"},
    {0x0400, "Cyrillic"},
    {0x0500, "Unassigned"},
    {0x0530, "Armenian"},
    {0x0590, "Hebrew (Basic and Extended)"},
    {0x0600, "Arabic (Basic and Extended)"},
    {0x0700, "Unassigned"},
    {0x0900, "Devanagari"},
    {0x0980, "Bengali"},
    {0x0A00, "Gurmukhi"},
    {0x0A80, "Gujarati"},
    {0x0B00, "Oriya"},
    {0x0B80, "Tamil"},
    {0x0C00, "Telugu"},
    {0x0C80, "Kannada"},
    {0x0D00, "Malayalam"},
    {0x0D80, "Unassigned"},
    {0x0E00, "Thai"},
    {0x0E80, "Lao"},
    {0x0F00, "Tibetan"},
    {0x0FC0, "Unassigned"},
    {0x1000, "Unassigned"},
    {0x10A0, "Georgian (Basic and Extended)"},
    {0x1100, "Hangul Jamo"},
    {0x1200, "Unassigned"},
    {0x1E00, "Latin Extended Additional"},
    {0x1F00, "Greek Extended"},
    {0x2000, "General Punctuation"},
    {0x2070, "Superscripts & Subscripts"},
    {0x20A0, "Currency Symbol"},
    {0x20D0, "Combining D. Marks"},
    {0x2100, "Letterlike Symbols"},
    {0x2150, "Number Forms"},
    {0x2190, "Arrows"},
    {0x2200, "Mathematical Operators"},
    {0x2300, "Miscellaneous Technical"},
    {0x2400, "Control Pictures"},
    {0x2440, "OCR"},
    {0x2460, "Enclosed Alphanumerics"},
    {0x2500, "Box Drawing"},
    {0x2580, "Block Elements"},
    {0x25A0, "Geometric Shapes"},
    {0x2600, "Miscellaneous Dingbats"},
    {0x2700, "Dingbats"},
    {0x27C0, "Unassigned"},
    {0x2800, "Unassigned"},
    {0x3000, "CJK Symbols and Punctuation"},
    {0x3040, "Hiragana"},
    {0x30A0, "Katakana"},
    {0x3100, "Bopomofo"},
    {0x3130, "Hangul Compatibility Jamo"},
    {0x3190, "CJK Misc"},
    {0x31A0, "Unassigned"},
    {0x3200, "Enclosed CJK Letters and Months"},
    {0x3300, "CJK Compatibility"},
    {0x3400, "Hangul"},
    {0x3D00, "Hangul"},
    {0x3D30, "Hangul Supplementary-A"},
    {0x3E00, "Hangul Supplementary-A"},
    {0x4400, "Hangul Supplementary-A and B"},
    {0x4500, "Hangul Supplementary-B"},
    {0x4E00, "CJK Unified Ideographs"},
    {0xA000, "Unassigned"},
    {0xAC00, "Hangul Syllables"},
    {0xD800, "Unassigned"},
    {0xE000, "Private Use Area"},
    {0xF900, "CJK Compatibility Ideographs"},
    {0xFB00, "Alphabetic Presentation Forms"},
    {0xFB50, "Arabic Presentation Forms-A"},
    {0xFC00, "Arabic Presentation Forms-A"},
    {0xFE00, "Unassigned"},
    {0xFE20, "Comb. Half Marks, CJK Comp. Forms & SFV"},
    {0xFE70, "Arabic Presentation Forms-B"},
    {0xFF00, "Halfwidth and Fullwidth Forms"},
    {0xFFF0, "Special"},
    {0x10000, "SENTINEL"},
};

}  // namespace

int FONT_GetAreaLength(int index) {
  if (index < 0 || index >= FONT_NUM_AREAS) return 0;
  if (index == FONT_NUM_AREAS - 1) return 200;
  return static_cast<int>((s_aArea[index + 1].FirstCode - s_aArea[index].FirstCode) / 16);
}

const char* FONT_GetAreaEntryName(int index) {
  if (index < 0 || index >= FONT_NUM_AREAS) return nullptr;
  return s_aArea[index].pName;
}

const char* FONT_GetAreaName(const FontDoc* doc, unsigned block) {
  if (block >= FONT_NUM_BLOCKS) return nullptr;
  int index = doc->aBlock[block].AreaIndex;
  if (index < 0 || index >= FONT_NUM_AREAS) return nullptr;
  return s_aArea[index].pName;
}
