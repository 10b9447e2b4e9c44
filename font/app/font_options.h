// Options record of the font converter: eleven integers under the settings key
// Software\Bolvane\Zentile-FontConvert\V5.46, each stored as a decimal text.
#pragma once

#include "common/version/version.h"

#include <cstdint>

#define FONTOPT_KEY "Software\\Bolvane\\" VORIX_FONT_PRODUCT "\\V" VORIX_VERSION_TEXT

struct FontOptions {
  int32_t Compatibility = 0;  // V350_Compatibility
  int32_t MagX = 1;
  int32_t MagY = 1;
  int32_t SuppressLogging = 0;
  int32_t SuppressOptAA = 0;
  int32_t EnableGamma = 0;
  int32_t PointMode = 0;
  int32_t GetTypeXBF = 0;
  int32_t SuppressDetectXBF = 0;
  int32_t SuppressMessage = 0;
  int32_t LogInWorkingDir = 0;
};

// Fills the record (defaults first). After the first successful save the cached
// record is returned. Returns false when the key could not be read (defaults apply).
bool FONTOPT_Read(FontOptions* options);
// Writes every value; the first failing write stops the save and keeps the cache.
bool FONTOPT_Save(const FontOptions& options);
// Forgets the cache (tests).
void FONTOPT_ResetCache();
