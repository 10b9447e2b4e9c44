// Display modes and the settings that choose them, and the frame menu's item states.
#pragma once

#include <cstdint>

enum ViewerMode { MODE_SINGLE_DISPLAY, MODE_MULTI_LAYER, MODE_MULTI_DISPLAY };

struct ViewerSettings {
  uint32_t multiDisplay = 0;         // 1: the blocks are independent displays
  uint32_t gridColor = 0x3F3F3F;     // 0x00BBGGRR
  uint32_t alwaysOnTop = 1;
};

constexpr const char* VIEWER_SETTINGS_KEY = "Software\\Tavrex\\VorixView\\";

ViewerMode MODE_Get(int displayCount, const ViewerSettings& settings);
const char* MODE_StatusText(ViewerMode mode);

// View, Visible/Virtual Layer/Colors, Layer n.
bool MODE_LayerItemEnabled(bool signatureGood, int displayCount, int n);
// View, Composite.
bool MODE_CompositeEnabled(bool signatureGood, int displayCount, const ViewerSettings& settings);

// Reads the settings; absent or damaged values keep their defaults.
ViewerSettings MODE_LoadSettings();
void MODE_SaveSettings(const ViewerSettings& settings);
