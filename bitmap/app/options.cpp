// Options record of the bitmap converter and its persistence.
#include "bitmap/app/options.h"

#include "common/settings/settings_store.h"

const char RASTREL_acSettingsKey[] = "Software\\Tavrex\\Rastrel\\Settings\\";
RastrelOptions RASTREL_Options = {0xFFFFFF, 0, 0, 0, 0};

namespace {
struct OptionField {
  const char* pName;
  uint32_t RastrelOptions::*pField;
  uint32_t Default;
  uint32_t Max;  // a stored value above it reads as the default
};
const OptionField kFields[] = {
    {"BkColor", &RastrelOptions::BkColor, 0xFFFFFF, 0xFFFFFF},
    {"ViewOption", &RastrelOptions::ViewOption, 0, 2},
    {"PreserveTrans", &RastrelOptions::PreserveTrans, 0, 1},
    {"BigEndianMode", &RastrelOptions::BigEndianMode, 0, 1},
    {"UseARGB", &RastrelOptions::UseARGB, 0, 1},
};
}  // namespace

void OPTIONS_Load(RastrelOptions* options) {
  for (const OptionField& f : kFields) {
    uint8_t bytes[4];
    options->*f.pField = f.Default;
    if (SETTINGS_Read(RASTREL_acSettingsKey, f.pName, bytes, sizeof(bytes)) != 0) continue;
    const uint32_t v = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    if (v <= f.Max) options->*f.pField = v;
  }
}

void OPTIONS_Save(const RastrelOptions* options) {
  for (const OptionField& f : kFields) {
    uint32_t v = options->*f.pField;
    const uint8_t bytes[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                              static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    SETTINGS_WriteBinary(RASTREL_acSettingsKey, f.pName, bytes, sizeof(bytes));
  }
}
