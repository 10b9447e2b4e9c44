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
  c.ReportStyle = CMDLINE_REPORT_CONSOLE;
  c.ArgChars = 199;
  c.HexPrefix = true;
  c.PercentEndsDecimal = false;
  c.DispatchStartsJob = true;
  c.pHelpHeader = "Valid command line options:\r\n\r\n";
  c.pHelpTitle = "CMD Help";
  CMDLINE_UseReaderTexts(&c);
  return c;
}

}  // namespace testsupport
