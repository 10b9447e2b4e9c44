// Undo stack: ten deep copies of the document, entry 0 the newest.
#include "bitmap/document/image.h"
#include "common/host/app_host.h"

static ImageDocument* s_undo[UNDO_DEPTH];

void UNDO_Save() {
  ImageDocument* current = IMAGE_GetCurrent();
  if (!current) return;
  ImageDocument* copy = IMAGE_Clone(current);
  if (!copy) return;  // no memory for a snapshot: the stack stays as it was
  IMAGE_Free(s_undo[UNDO_DEPTH - 1]);
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
