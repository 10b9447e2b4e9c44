// The entry of rastrel_window.so, the module rastrel loads when it opens its window.
#include "common/cmdline/window_module.h"

#include "bitmap/gui/window_start.h"

extern "C" __attribute__((visibility("default"))) int VORIX_RunWindow(int argc, char** argv) {
  return RASTREL_RunWindow(argc, argv);
}
