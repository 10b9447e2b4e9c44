// Undo stack: up to ten deep copies of the document, entry 0 the newest, within a
// total memory budget. Jobs record no snapshots: they have no undo command.
#include "bitmap/document/image.h"
#include "common/cmdline/cmdline.h"
#include "common/host/app_host.h"

static ImageDocument* s_undo[UNDO_DEPTH];
static uint64_t s_budget = UNDO_BUDGET_BYTES;

void UNDO_SetBudget(uint64_t bytes) { s_budget = bytes; }

static uint64_t snapshot_bytes(const ImageDocument* doc) {
  if (!doc) return 0;
  return static_cast<uint64_t>(doc->BytesPerLine) * static_cast<uint64_t>(doc->YSize) +
         IMAGE_DIB_HEADER_SIZE + 4ull * static_cast<uint64_t>(doc->NumColors);
}

static void drop_oldest() {
  for (int i = UNDO_DEPTH - 1; i >= 0; --i) {
    if (!s_undo[i]) continue;
    IMAGE_Free(s_undo[i]);
    s_undo[i] = nullptr;
    return;
  }
}

static uint64_t stack_bytes() {
  uint64_t total = 0;
  for (const ImageDocument* doc : s_undo) total += snapshot_bytes(doc);
  return total;
}

void UNDO_Save() {
  ImageDocument* current = IMAGE_GetCurrent();
  if (!current || CMDLINE_IsJobMode()) return;
  const uint64_t size = snapshot_bytes(current);
  if (size > s_budget) return;  // never fits: the stack stays as it was
  // Room first, so the copy never coexists with snapshots it is going to replace.
  if (s_undo[UNDO_DEPTH - 1]) drop_oldest();
  while (stack_bytes() + size > s_budget) drop_oldest();
  ImageDocument* copy = IMAGE_Clone(current);
  if (!copy) return;  // no memory for a snapshot
  for (int i = UNDO_DEPTH - 1; i > 0; --i) s_undo[i] = s_undo[i - 1];
  s_undo[0] = copy;
}

void UNDO_Undo() {
  if (!s_undo[0]) return;
  IMAGE_Progress("Undoing");
  IMAGE_SetCurrent(s_undo[0]);
  for (int i = 0; i < UNDO_DEPTH - 1; ++i) s_undo[i] = s_undo[i + 1];
  s_undo[UNDO_DEPTH - 1] = nullptr;
  IMAGE_Progress("Last operation undone");
  HOST_Get()->Redraw();
}

int UNDO_Count() {
  int n = 0;
  while (n < UNDO_DEPTH && s_undo[n]) ++n;
  return n;
}

void UNDO_Clear() {
  for (auto& doc : s_undo) {
    IMAGE_Free(doc);
    doc = nullptr;
  }
}
