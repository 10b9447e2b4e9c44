// Attach and detach of the simulation's display blocks.
#include "viewer/shmem.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

std::string SHMEM_ObjectName(const std::string& name) {
  const char* prefix = std::getenv("VORIX_SHM_PREFIX");
  return "/" + std::string(prefix ? prefix : "") + name;
}

// Maps the whole object as it exists now; false when it is empty or cannot be mapped.
static bool map_object(int fd, bool writable, uint8_t** base, size_t* size) {
  struct stat st;
  if (fstat(fd, &st) != 0 || st.st_size <= 0) return false;
  int prot = PROT_READ | (writable ? PROT_WRITE : 0);
  void* p = mmap(nullptr, size_t(st.st_size), prot, MAP_SHARED, fd, 0);
  if (p == MAP_FAILED) return false;
  *base = static_cast<uint8_t*>(p);
  *size = size_t(st.st_size);
  return true;
}

static void close_slot(DisplaySlot* slot) {
  if (slot->base) munmap(slot->base, slot->size);
  if (slot->fd >= 0) close(slot->fd);
  *slot = DisplaySlot();
}

void SHMEM_DetachAll(ShmemState* s) {
  for (DisplaySlot& slot : s->displays) close_slot(&slot);
  if (s->global) munmap(const_cast<uint8_t*>(s->global), s->globalSize);
  s->global = nullptr;
  s->globalSize = 0;
  s->displayCount = 0;
}

// The global block stays mapped while the simulation runs (unmapping on every tick costs
// more than the rest of the poll); its first byte is read on every tick.
static void read_alpha_flag(ShmemState* s) {
  if (!s->global) {
    int fd = shm_open(SHMEM_ObjectName(BLOCK_GlobalName()).c_str(), O_RDONLY, 0);
    if (fd < 0) return;  // a missing global block leaves the flag unchanged
    uint8_t* base = nullptr;
    size_t size = 0;
    if (map_object(fd, false, &base, &size)) {
      s->global = base;
      s->globalSize = size;
    }
    close(fd);
  }
  if (s->global) s->alphaFlag = s->global[0];
}

// A block whose object shrank since it was mapped would fault on access; drop it.
static void check_still_mapped(DisplaySlot* slot) {
  struct stat st;
  if (fstat(slot->fd, &st) != 0 || st.st_size < 0 || size_t(st.st_size) < slot->size) {
    slot->attached = false;
    slot->failed = true;
  }
}

static void try_attach(ShmemState* s, int index, int64_t nowMs, PollEvents* ev) {
  DisplaySlot* slot = &s->displays[index];
  if (slot->attached || slot->failed) return;
  if (slot->fd < 0) {
    if (nowMs < slot->nextOpenMs) return;
    slot->fd = shm_open(SHMEM_ObjectName(BLOCK_Name(index)).c_str(), O_RDWR, 0);
    if (slot->fd < 0) {
      if (s->displays[0].attached) slot->nextOpenMs = nowMs + SHMEM_RETRY_MS;
      return;
    }
    slot->openedAtMs = nowMs;
    if (!map_object(slot->fd, true, &slot->base, &slot->size)) {
      slot->failed = true;
      return;
    }
  }
  if (index == 0 && nowMs - slot->openedAtMs < SHMEM_SETTLE_MS) return;
  const DisplaySlot& first = s->displays[0];
  BlockGeometry g;
  if (BLOCK_CheckGeometry(slot->base, slot->size, first.base, first.size, &g) != BLOCK_OK) {
    slot->failed = true;  // refused without a message, like a bad signature
    return;
  }
  slot->geometry = g;
  slot->attached = true;
  ev->newlyAttached |= 1u << index;
}

PollEvents SHMEM_Poll(ShmemState* s, bool running, int64_t nowMs) {
  PollEvents ev;
  if (!running) {
    if (s->running) ev.detached = true;
    s->running = false;
    SHMEM_DetachAll(s);
    return ev;
  }
  s->running = true;
  read_alpha_flag(s);
  for (int i = 0; i < BLOCK_MAX_DISPLAYS; ++i) {
    DisplaySlot* slot = &s->displays[i];
    if (slot->attached) check_still_mapped(slot);
    // Further blocks are judged by block 0's signature, so they wait for it.
    if (i > 0 && !s->displays[0].attached) continue;
    try_attach(s, i, nowMs, &ev);
  }
  while (s->displayCount < BLOCK_MAX_DISPLAYS && s->displays[s->displayCount].attached &&
         s->displays[s->displayCount].geometry.xSize != 0)
    ++s->displayCount;
  return ev;
}

const DisplaySlot* SHMEM_Display(const ShmemState* s, int display) {
  if (display < 0) display = 0;
  if (display >= BLOCK_MAX_DISPLAYS || !s->displays[display].attached) return nullptr;
  return &s->displays[display];
}

int32_t SHMEM_Field(const ShmemState* s, int display, BlockField field) {
  const DisplaySlot* d = SHMEM_Display(s, display);
  return d ? BLOCK_Read(d->base, d->size, field) : 0;
}

bool SHMEM_SignatureGood(const ShmemState* s) {
  const DisplaySlot* d = SHMEM_Display(s, 0);
  return d && d->base[0] == BLOCK_SIGNATURE_BYTE;
}

uint32_t SHMEM_ColorBGR(const ShmemState* s, int display, int index) {
  const DisplaySlot* d = SHMEM_Display(s, display);
  if (!d || index < 0 || index >= BLOCK_MAX_TABLE_ENTRIES) return 0;
  uint32_t c = uint32_t(BLOCK_Read(d->base, d->size, BLOCK_COLORTABLE + 4 * uint32_t(index)));
  return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

uint32_t SHMEM_Pixel(const ShmemState* s, int display, int x, int y) {
  const DisplaySlot* d = SHMEM_Display(s, display);
  if (!d) return 0;
  const BlockGeometry& g = d->geometry;
  if (x < 0 || y < 0 || x >= g.vxSize || y >= g.vySize) return 0;
  size_t offset = BLOCK_PIXELS + size_t(y) * size_t(g.stride) + size_t(x) * size_t(g.bytesPerPixel);
  if (g.bytesPerPixel == 1) return d->base[offset];
  return uint32_t(BLOCK_Read(d->base, d->size, uint32_t(offset)));
}

void SHMEM_WritePointer(ShmemState* s, int display, int x, int y, int keys) {
  const DisplaySlot* d = SHMEM_Display(s, display);
  if (!d) return;
  BLOCK_Write(d->base, d->size, BLOCK_MOUSEX, x);
  BLOCK_Write(d->base, d->size, BLOCK_MOUSEY, y);
  BLOCK_Write(d->base, d->size, BLOCK_MOUSEKEYS, keys);
}
