// A module needing a symbol that no executable defines.
#include "common/cmdline/window_module.h"

extern "C" int vorix_symbol_nobody_defines();

extern "C" int VORIX_RunWindow(int, char**) { return vorix_symbol_nobody_defines(); }
