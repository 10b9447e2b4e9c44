// Job engine configurations of the two converters' conventions, for tests that drive
// the engine without the programs.
#pragma once

#include "common/cmdline/cmdline.h"

namespace testsupport {

// Numbered messages, 499-character arguments, "50%" decimals (the bitmap converter's).
inline CmdlineConfig NumberedEngineConfig() { return CmdlineConfig{}; }

// Text reports to the console, first error ends the job, "0x" hexadecimal values and
// 199-character arguments (the font converter's).
inline CmdlineConfig ConsoleEngineConfig() {
  CmdlineConfig c;
  CMDLINE_UseConsoleConventions(&c);
  c.ArgChars = 199;
  return c;
}

}  // namespace testsupport
