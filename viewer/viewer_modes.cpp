// Modes, menu states and the persistent settings.
#include "viewer/viewer_modes.h"

#include "common/settings/settings_store.h"

ViewerMode MODE_Get(int displayCount, const ViewerSettings& settings) {
  if (displayCount < 2) return MODE_SINGLE_DISPLAY;
  return settings.multiDisplay ? MODE_MULTI_DISPLAY : MODE_MULTI_LAYER;
}

const char* MODE_StatusText(ViewerMode mode) {
  switch (mode) {
    case MODE_MULTI_LAYER: return "Multi layer mode";
    case MODE_MULTI_DISPLAY: return "Multi display mode";
    default: return "Single display mode";
  }
}

bool MODE_LayerItemEnabled(bool signatureGood, int displayCount, int n) {
  return signatureGood && displayCount > n;
}

bool MODE_CompositeEnabled(bool signatureGood, int displayCount, const ViewerSettings& settings) {
  return signatureGood && displayCount >= 2 && !settings.multiDisplay;
}

ViewerSettings MODE_LoadSettings() {
  ViewerSettings s;
  uint32_t v;
  if (SETTINGS_ReadDword(VIEWER_SETTINGS_KEY, "MultiDisplay", &v) == 0) s.multiDisplay = v;
  if (SETTINGS_ReadDword(VIEWER_SETTINGS_KEY, "GridColor", &v) == 0) s.gridColor = v;
  if (SETTINGS_ReadDword(VIEWER_SETTINGS_KEY, "AlwaysOnTop", &v) == 0) s.alwaysOnTop = v;
  return s;
}

void MODE_SaveSettings(const ViewerSettings& s) {
  SETTINGS_WriteDword(VIEWER_SETTINGS_KEY, "MultiDisplay", s.multiDisplay);
  SETTINGS_WriteDword(VIEWER_SETTINGS_KEY, "GridColor", s.gridColor);
  SETTINGS_WriteDword(VIEWER_SETTINGS_KEY, "AlwaysOnTop", s.alwaysOnTop);
}
