// Composite view.
#include "viewer/ui/composite_view.h"

#include "viewer/view_titles.h"

CompositeView::CompositeView(ViewerContext* ctx, QWidget* parent)
    : PixelView(ctx, -1, false, parent), alphaConvention_(ctx->shm.alphaFlag ? 1 : 0) {
  if (const DisplaySlot* d = SHMEM_Display(&ctx_->shm, 0)) {
    titleWidth_ = d->geometry.xSize;
    titleHeight_ = d->geometry.ySize;
  }
  COMPOSITE_Render(&ctx_->shm, alphaConvention_, &buffer_);
  refreshTitle();
  updateScrollBars();
}

QSize CompositeView::contentSize() const {
  int w, h;
  COMPOSITE_Size(&ctx_->shm, &w, &h);
  if (w == 0 || h == 0) return {buffer_.width, buffer_.height};
  return {w, h};
}

bool CompositeView::currentSource(PixelSource* src) {
  if (!SHMEM_Display(&ctx_->shm, 0) || buffer_.width == 0) return false;
  *src = PixelSource{buffer_.pixels.data(), buffer_.width, buffer_.height, buffer_.width};
  return true;
}

uint32_t CompositeView::pixelColour(int x, int y) {
  if (x >= buffer_.width || y >= buffer_.height) return 0;
  return buffer_.pixels[size_t(y) * buffer_.width + x] & 0xFFFFFF;
}

void CompositeView::refreshTitle() {
  setWindowTitle(QString::fromStdString(TITLE_Composite(titleWidth_, titleHeight_, zoomChanged_, zoom_)));
}

void CompositeView::tick() {
  const ShmemState* s = &ctx_->shm;
  std::array<int32_t, 2 * BLOCK_MAX_DISPLAYS> counts{};
  for (int i = 0; i < s->displayCount; ++i) {
    counts[2 * i] = SHMEM_Field(s, i, BLOCK_FRAMECOUNT);
    counts[2 * i + 1] = SHMEM_Field(s, i, BLOCK_PALETTECOUNT);
  }
  bool attached = SHMEM_Display(s, 0) != nullptr;
  if (counts == lastCounts_ && attached == rendered_) return;
  lastCounts_ = counts;
  rendered_ = attached;
  int w = buffer_.width, h = buffer_.height;
  if (attached) COMPOSITE_Render(s, alphaConvention_, &buffer_);
  if (buffer_.width != w || buffer_.height != h) updateScrollBars();
  viewport()->update();
}
