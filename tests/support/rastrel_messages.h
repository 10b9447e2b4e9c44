// The bitmap converter's real message table for tests of its libraries, so every test
// sees the texts a user would see.
#pragma once

#include "bitmap/messages/rastrel_messages.h"
#include "common/cmdline/cmdline.h"

namespace testsupport {

inline void InstallRastrelMessages() {
  CmdlineConfig config;
  config.pCaption = "Bitmap Converter";
  config.papMessages = RASTREL_apMessage;
  config.NumMessages = MSG_COUNT;
  CMDLINE_Init(config);
}

}  // namespace testsupport

using testsupport::InstallRastrelMessages;
