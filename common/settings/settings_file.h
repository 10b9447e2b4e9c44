// Text form of one settings key: one "Name=type:value" line per value, type sz
// (escaped text), dword (decimal) or binary (hex bytes). Parsing is linear in the text;
// lines that do not parse are dropped, and a later line of the same name wins.
#pragma once

#include <string>
#include <vector>

#include "common/settings/settings_store.h"

struct SettingsValue {
  std::string Name;
  SettingsType Type;
  std::string Data;  // raw bytes (binary), text (sz) or decimal digits (dword)
};

// True for names a line can hold: not empty, no '=', no line break.
bool SETTINGS_ValidName(const char* name);
// The values of a key's text, in the order of their last occurrence.
std::vector<SettingsValue> SETTINGS_ParseText(const std::string& text);
// The text of a key's values; parsing it gives the same values back.
std::string SETTINGS_FormatText(const std::vector<SettingsValue>& values);
