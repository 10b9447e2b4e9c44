// vorixsim: a stand-in device simulation. Creates the shared display blocks, holds the
// presence locks, animates the layers at 50 frames per second and removes everything
// when it ends (also on SIGINT and SIGTERM).
#include <signal.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/vorixsim/sim_scene.h"
#include "viewer/presence.h"

static volatile sig_atomic_t g_stop = 0;
static void on_signal(int) { g_stop = 1; }

static const char kUsage[] =
    "Usage: vorixsim [options]\n"
    "Stand-in device simulation: exports display blocks in shared memory for vorixview.\n"
    "  --display WxH@BPP[:VWxVH][+X+Y]  add a display (up to 15; default: a 4-layer demo)\n"
    "  --still          draw a still pattern of four coloured quadrants (reacts to the pointer)\n"
    "  --alpha-255-opaque  pixel alpha 255 means opaque (default: alpha 0 is opaque)\n"
    "  --fps N          frames per second (default 50)\n"
    "  --frames N       end after N frames (default: run until interrupted)\n"
    "  --help, --version\n";

static bool parse_display(const char* text, SimDisplaySpec* spec) {
  int n = 0;
  if (std::sscanf(text, "%dx%d@%d%n", &spec->xSize, &spec->ySize, &spec->bpp, &n) != 3) return false;
  text += n;
  if (*text == ':') {
    if (std::sscanf(text, ":%dx%d%n", &spec->vxSize, &spec->vySize, &n) != 2) return false;
    text += n;
  }
  if (*text == '+') {
    if (std::sscanf(text, "+%d+%d%n", &spec->layerX, &spec->layerY, &n) != 2) return false;
    text += n;
  }
  return *text == 0 && spec->xSize > 0 && spec->ySize > 0 && spec->xSize <= 4096 &&
         spec->ySize <= 4096 && spec->vxSize <= 4096 && spec->vySize <= 4096 && spec->bpp >= 1 &&
         spec->bpp <= 32;
}

static void add_demo(std::vector<SimDisplaySpec>* specs, std::vector<SceneRole>* roles) {
  SimDisplaySpec base;  // 320 x 240, 32 bpp
  SimDisplaySpec cycle;
  cycle.xSize = 160, cycle.ySize = 120, cycle.bpp = 8, cycle.layerX = 16, cycle.layerY = 16;
  SimDisplaySpec translucent;
  translucent.xSize = 128, translucent.ySize = 96, translucent.layerX = 176, translucent.layerY = 128;
  SimDisplaySpec scroller;
  scroller.xSize = 96, scroller.ySize = 64, scroller.vxSize = 192, scroller.vySize = 128;
  scroller.bpp = 16, scroller.layerX = 208, scroller.layerY = 16;
  *specs = {base, cycle, translucent, scroller};
  *roles = {ROLE_SHAPES, ROLE_PALETTE_CYCLE, ROLE_TRANSLUCENT, ROLE_SCROLLER};
}

int main(int argc, char** argv) {
  std::vector<SimDisplaySpec> specs;
  std::vector<SceneRole> roles;
  bool still = false;
  int fps = 50;
  long frames = -1;
  Scene scene;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (a == "--version") {
      std::puts("vorixsim 5.46");
      return 0;
    } else if (a == "--display" && i + 1 < argc) {
      SimDisplaySpec spec;
      if (!parse_display(argv[++i], &spec) || specs.size() >= BLOCK_MAX_DISPLAYS) {
        std::fprintf(stderr, "vorixsim: bad display '%s'\n%s", argv[i], kUsage);
        return 2;
      }
      specs.push_back(spec);
      roles.push_back(spec.bpp <= 8 ? ROLE_PALETTE_CYCLE : ROLE_SHAPES);
    } else if (a == "--still") {
      still = true;
    } else if (a == "--alpha-255-opaque") {
      scene.alphaFlag = 1;
    } else if (a == "--fps" && i + 1 < argc) {
      fps = std::atoi(argv[++i]);
    } else if (a == "--frames" && i + 1 < argc) {
      frames = std::atol(argv[++i]);
    } else {
      std::fprintf(stderr, "vorixsim: unknown option '%s'\n%s", a.c_str(), kUsage);
      return 2;
    }
  }
  if (fps < 1 || fps > 1000) fps = 50;
  if (specs.empty()) add_demo(&specs, &roles);
  if (still)
    for (SceneRole& r : roles) r = ROLE_STILL;

  struct sigaction sa;
  std::memset(&sa, 0, sizeof(sa));
  sa.sa_handler = on_signal;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);

  int status = 0;
  if (!SIMBLOCK_CreateGlobal(uint8_t(scene.alphaFlag))) {
    std::fprintf(stderr, "vorixsim: cannot create the shared memory blocks\n");
    return 1;
  }
  for (size_t i = 0; i < specs.size(); ++i) {
    SceneLayer L;
    L.role = roles[i];
    if (!SIMBLOCK_Create(int(i), specs[i], &L.block)) {
      std::fprintf(stderr, "vorixsim: cannot create the shared memory blocks\n");
      status = 1;
      break;
    }
    scene.layers.push_back(L);
  }
  int mainframeLock = -1, deviceLock = -1;
  if (status == 0) {
    SimBlock& first = scene.layers[0].block;
    SIMBLOCK_Set(&first, BLOCK_BKCOLOR, 0x402010);  // 0x00BBGGRR: dark blue
    SIMBLOCK_Set(&first, BLOCK_COMPOSITESIZE, first.g.ySize << 16 | first.g.xSize);
    SCENE_Start(&scene);
    // The blocks are complete before the simulation announces itself.
    mainframeLock = PRESENCE_Hold(PRESENCE_MAINFRAME_CLASS);
    deviceLock = PRESENCE_Hold(PRESENCE_DEVICE_CLASS);
    if (mainframeLock < 0 || deviceLock < 0) {
      std::fprintf(stderr, "vorixsim: another simulation is running (%s)\n",
                   PRESENCE_LockDir().c_str());
      status = 1;
    }
  }
  struct timespec next;
  clock_gettime(CLOCK_MONOTONIC, &next);
  const long periodNs = 1000000000L / fps;
  for (long frame = 1; status == 0 && !g_stop && (frames < 0 || frame <= frames); ++frame) {
    next.tv_nsec += periodNs;
    while (next.tv_nsec >= 1000000000L) {
      next.tv_nsec -= 1000000000L;
      ++next.tv_sec;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) != 0 && !g_stop) {
    }
    if (!g_stop) SCENE_Step(&scene, frame);
  }
  if (mainframeLock >= 0) PRESENCE_Release(mainframeLock, PRESENCE_MAINFRAME_CLASS);
  if (deviceLock >= 0) PRESENCE_Release(deviceLock, PRESENCE_DEVICE_CLASS);
  for (SceneLayer& L : scene.layers) SIMBLOCK_Remove(&L.block);
  SIMBLOCK_RemoveGlobal();
  return status;
}
