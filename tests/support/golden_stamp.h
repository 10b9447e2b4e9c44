// Golden files of generated C sources: the build stamp line of the header box is
// replaced by a fixed text, so files compare byte for byte across builds.
#pragma once

#include <string>

namespace testsupport {

inline std::string NormaliseBuildStamp(const std::string& s) {
  const std::string key = "*        Compiled ";
  size_t p = s.find(key);
  if (p == std::string::npos) return s;
  size_t e = s.find("\r\n", p);
  std::string line = key + "<build stamp>";
  line.resize(69, ' ');
  line += '*';
  return s.substr(0, p) + line + s.substr(e);
}

}  // namespace testsupport
