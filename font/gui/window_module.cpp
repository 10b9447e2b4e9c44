// The entry of glyphor_window.so, the module glyphor loads when it opens its window.
#include "common/cmdline/window_module.h"

#include "font/gui/window_start.h"

extern "C" __attribute__((visibility("default"))) int VORIX_RunWindow(int argc, char** argv) {
  return GLYPHOR_RunWindow(argc, argv);
}
