// Properties view texts.
#include "font/app/property_lines.h"

#include <cstdio>
#include <cstring>

#include "font/model/unicode_data.h"

namespace {

std::string line(const char* format, int value) {
  char acText[80];
  std::snprintf(acText, sizeof(acText), format, value);
  return acText;
}

// "Font:" and "Disabled:" are padded with blanks to 14 characters.
std::string padded(const char* label, const std::string& value) {
  std::string text = label;
  text.resize(14, ' ');
  return text + value;
}

}  // namespace

PropertyLines GLYPHOR_PropertyLines(const FontDoc* doc) {
  PropertyLines lines;
  if (!doc) return lines;
  const bool extended = FONT_IsExtended(doc->Type);
  lines.Font.push_back(padded("Font:", std::string(doc->Lf.acFaceName, strnlen(doc->Lf.acFaceName, FONT_FACE_CHARS))));
  lines.Font.push_back(line("Height:       %i", doc->Height));
  lines.Font.push_back(line("Max Width:    %i", doc->MaxWidth));
  if (extended) lines.Font.push_back(line("Baseline:     %i", doc->Baseline));
  const unsigned code = doc->CurrentChar;
  const FontChar& c = doc->aChar[code];
  if (!c.Enabled) return lines;
  lines.Character.push_back("Character Information");
  char acCode[64];
  std::snprintf(acCode, sizeof(acCode), "Code:         %i (0x%04X)", code, code);
  lines.Character.push_back(acCode);
  if (doc->Encoding == FONT_ENC_UNICODE) {
    const char* name = UNICODE_GetName(code);
    lines.Character.push_back(std::string("Character:    ") + (name ? name : "-"));
  }
  lines.Character.push_back(line("Width:        %i", c.Width));
  lines.Character.push_back(padded("Disabled:", c.Enabled ? "No" : "Yes"));
  if (extended) {
    lines.Character.push_back(line("Height:       %i", c.GlyphHeight));
    lines.Character.push_back(line("X-Position:   %i", c.XPos));
    char acY[64];
    std::snprintf(acY, sizeof(acY), "Y-Position:   %lld", static_cast<long long>(doc->Baseline) - c.TopAboveBaseline);
    lines.Character.push_back(acY);
    lines.Character.push_back(line("Cursor dist:  %i", c.CursorDist));
  }
  return lines;
}
