// A window module for the loader tests: reports its arguments, and its program
// name on the host it finds, which must be the one the test executable
// installed (one core).
#include <cstring>

#include "common/cmdline/window_module.h"
#include "common/host/app_host.h"

extern "C" int VORIX_RunWindow(int argc, char** argv) {
  HOST_Get()->ShowStatus(argv[0]);
  return argc * 10 + static_cast<int>(std::strlen(argv[argc - 1]));
}
