// The bitmap converter's command-line table, in the order of the help listing.
#pragma once

#include "common/cmdline/cmdline.h"

// Ends with an entry whose keyword is null.
extern const CmdlineCommand* const RASTREL_aCommand;
