// Fixture of the in-process command tests of the font converter: a recording host, the
// job engine configured as glyphor configures it, and the command state of a start.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cmdline/cmdline.h"
#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/font_options.h"
#include "font/app/glyphor_app.h"
#include "font/model/current_font.h"
#include "font/model/edit_log.h"
#include "font/model/font_message.h"
#include "font/support/glyphor_recording_host.h"
#include "support/engine_configs.h"
#include "support/temp_dir.h"

namespace fonttest {

struct CommandTest : ::testing::Test {
  TempDir dir;
  GlyphorRecordingHost host;
  void SetUp() override {
    FONTOPT_ResetCache();
    GLYPHOR_SetHost(&host);
    FONTMSG_Reset();
    EDITLOG_Clear();
    CmdlineConfig config = testsupport::ConsoleEngineConfig();
    config.pCaption = "Glyphor test";
    config.ExitId = GLYPHOR_ID_EXIT;
    config.pfExecute = GLYPHOR_DeliverQueued;
    CMDLINE_Init(config);
    GLYPHOR_ResetCommandState();
  }
  void TearDown() override {
    FONT_SetCurrent(nullptr);
    CMDLINE_Reset();
    EDITLOG_Clear();
    GLYPHOR_SetHost(nullptr);
  }
  // A job command with its argument text, as the engine runs it while reading the line.
  void Job(unsigned id, const std::string& args) {
    CMDLINE_SetArgText(args.c_str());
    GLYPHOR_Execute(id, 0);
  }
  std::vector<std::string> WarningTexts() const {
    std::vector<std::string> v;
    for (const auto& w : host.Warnings) v.push_back(w.Text);
    return v;
  }
};

}  // namespace fonttest
