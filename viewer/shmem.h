// The viewer's side of the shared display memory: finds a running simulation, maps its
// named blocks (only as far as each object really extends), attaches those that pass the
// geometry check, counts the displays and offers bounded accessors for every field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "viewer/display_block.h"

struct DisplaySlot {
  int fd = -1;              // open shared-memory object, -1 when closed
  uint8_t* base = nullptr;  // mapping, null when the object could not be mapped
  size_t size = 0;          // mapped size, from fstat
  bool attached = false;
  bool failed = false;      // opened but refused; stays so until the simulation goes away
  int64_t openedAtMs = 0;
  int64_t nextOpenMs = 0;   // a missing block is looked for again from then on
  BlockGeometry geometry;
};

struct ShmemState {
  DisplaySlot displays[BLOCK_MAX_DISPLAYS];
  int displayCount = 0;
  int alphaFlag = 0;        // first byte of the global block
  bool running = false;     // simulation present at the last poll
  const uint8_t* global = nullptr;  // the global block, mapped while the simulation runs
  size_t globalSize = 0;
};

struct PollEvents {
  bool detached = false;      // the simulation went away in this tick
  uint32_t newlyAttached = 0; // bit n: display n attached in this tick
};

// Object name of a block: "/" + $VORIX_SHM_PREFIX + name. The prefix (empty by default)
// lets tests run several simulations side by side.
std::string SHMEM_ObjectName(const std::string& name);

// Block 0 is attached only once it has been open this long: a simulation that just
// created it may still be filling it.
constexpr int64_t SHMEM_SETTLE_MS = 200;
// Once a display is attached, a block that does not exist is looked for at this interval
// instead of on every tick (each failed look-up is a file-system call).
constexpr int64_t SHMEM_RETRY_MS = 500;

// One poll tick. nowMs is a monotonic clock in milliseconds. running: whether the
// simulation's presence lock is held (PRESENCE_SimulationRunning()).
PollEvents SHMEM_Poll(ShmemState* s, bool running, int64_t nowMs);
// Unmaps and closes every block; all accessors return 0 afterwards.
void SHMEM_DetachAll(ShmemState* s);

// Attached display, or null. A negative index stands for display 0.
const DisplaySlot* SHMEM_Display(const ShmemState* s, int display);
// Live field of an attached display, 0 when detached.
int32_t SHMEM_Field(const ShmemState* s, int display, BlockField field);
bool SHMEM_SignatureGood(const ShmemState* s);
// Colour-table entry in the window system's 0x00BBGGRR order; 0 outside the table.
uint32_t SHMEM_ColorBGR(const ShmemState* s, int display, int index);
// Pixel of the virtual buffer (index or 32-bit colour); 0 outside the buffer.
uint32_t SHMEM_Pixel(const ShmemState* s, int display, int x, int y);
// Stores the pointer fields of a display.
void SHMEM_WritePointer(ShmemState* s, int display, int x, int y, int keys);
