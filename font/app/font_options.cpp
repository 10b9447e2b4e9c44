// Options of the font converter in the settings store.
#include "font/app/font_options.h"

#include <cstdlib>
#include <string>

#include "common/settings/settings_store.h"

namespace {

struct Field {
  const char* pName;
  int32_t FontOptions::*pMember;
};

// Reading order.
const Field s_aReadOrder[] = {
    {"V350_Compatibility", &FontOptions::Compatibility},
    {"MagX", &FontOptions::MagX},
    {"MagY", &FontOptions::MagY},
    {"SuppressLogging", &FontOptions::SuppressLogging},
    {"SuppressOptAA", &FontOptions::SuppressOptAA},
    {"EnableGamma", &FontOptions::EnableGamma},
    {"PointMode", &FontOptions::PointMode},
    {"GetTypeXBF", &FontOptions::GetTypeXBF},
    {"SuppressDetectXBF", &FontOptions::SuppressDetectXBF},
    {"SuppressMessage", &FontOptions::SuppressMessage},
    {"LogInWorkingDir", &FontOptions::LogInWorkingDir},
};

// Writing order (point mode before gamma correction).
const Field s_aWriteOrder[] = {
    {"V350_Compatibility", &FontOptions::Compatibility},
    {"MagX", &FontOptions::MagX},
    {"MagY", &FontOptions::MagY},
    {"SuppressLogging", &FontOptions::SuppressLogging},
    {"SuppressOptAA", &FontOptions::SuppressOptAA},
    {"PointMode", &FontOptions::PointMode},
    {"EnableGamma", &FontOptions::EnableGamma},
    {"GetTypeXBF", &FontOptions::GetTypeXBF},
    {"SuppressDetectXBF", &FontOptions::SuppressDetectXBF},
    {"SuppressMessage", &FontOptions::SuppressMessage},
    {"LogInWorkingDir", &FontOptions::LogInWorkingDir},
};

bool s_cached;
FontOptions s_cache;

// Leading blanks, sign and digits; anything else reads as 0 (the C library's conversion).
int32_t decimal(const std::string& text) {
  return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

bool FONTOPT_Read(FontOptions* options) {
  *options = FontOptions{};
  if (s_cached) {
    *options = s_cache;
    return true;
  }
  if (SETTINGS_KeyFile(FONTOPT_KEY).empty()) return false;
  for (const Field& f : s_aReadOrder) {
    std::string text;
    if (SETTINGS_ReadString(FONTOPT_KEY, f.pName, &text) == 0) options->*f.pMember = decimal(text);
  }
  // Magnification runs from 1 to 4; any other stored value reads as the default.
  const FontOptions defaults;
  if (options->MagX < 1 || options->MagX > 4) options->MagX = defaults.MagX;
  if (options->MagY < 1 || options->MagY > 4) options->MagY = defaults.MagY;
  return true;
}

bool FONTOPT_Save(const FontOptions& options) {
  for (const Field& f : s_aWriteOrder) {
    std::string text = std::to_string(options.*f.pMember);
    if (SETTINGS_WriteString(FONTOPT_KEY, f.pName, text.c_str()) != 0) return false;
  }
  s_cache = options;
  s_cached = true;
  return true;
}

void FONTOPT_ResetCache() { s_cached = false; }
