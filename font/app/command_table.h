// The font converter's command-line table (keywords, identifiers, help texts).
#pragma once

#include "common/cmdline/cmdline.h"

extern const CmdlineCommand GLYPHOR_aCommand[];

// The create help text (one string, lines joined by "\r\n").
const char* GLYPHOR_CreateHelp();
