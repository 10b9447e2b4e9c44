// The bitmap converter's command-line table, in the order of the help listing.
#pragma once

#include "common/cmdline/cmdline.h"

extern const CmdlineCommand RASTREL_aCommand[];
