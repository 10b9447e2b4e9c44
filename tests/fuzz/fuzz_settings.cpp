// Settings text: any bytes parse; the values format to a text that parses back to the
// same values and formats to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  auto values = SETTINGS_ParseText(text);
  std::string formatted = SETTINGS_FormatText(values);
  auto again = SETTINGS_ParseText(formatted);
  if (again.size() != values.size()) std::abort();
  for (size_t i = 0; i < values.size(); ++i) {
    if (again[i].Name != values[i].Name || again[i].Type != values[i].Type ||
        again[i].Data != values[i].Data)
      std::abort();
  }
  if (SETTINGS_FormatText(again) != formatted) std::abort();
  return 0;
}
