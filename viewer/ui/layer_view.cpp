// Layer views.
#include "viewer/ui/layer_view.h"

#include "viewer/view_titles.h"

LayerView::LayerView(ViewerContext* ctx, int display, bool virtualView, QWidget* parent)
    : PixelView(ctx, display, virtualView, parent) {
  if (const DisplaySlot* d = SHMEM_Display(&ctx_->shm, display_)) geometry_ = d->geometry;
  refreshTitle();
  updateScrollBars();
  connect(&timer_, &QTimer::timeout, this, &LayerView::tick);
  timer_.start(20);
}

QSize LayerView::contentSize() const {
  return virtual_ ? QSize(geometry_.vxSize, geometry_.vySize) : QSize(geometry_.xSize, geometry_.ySize);
}

bool LayerView::currentSource(PixelSource* src) {
  const DisplaySlot* d = SHMEM_Display(&ctx_->shm, display_);
  if (!d) return false;
  BLOCK_WriteBitmapHeader(d->base, d->size, d->geometry);
  return RENDER_LayerSource(&ctx_->shm, display_, virtual_, &scratch_, src);
}

void LayerView::refreshTitle() {
  int xOrg, yOrg;
  RENDER_VisibleOrigin(&ctx_->shm, display_, &xOrg, &yOrg);
  lastOrgX_ = xOrg;
  lastOrgY_ = yOrg;
  setWindowTitle(QString::fromStdString(TITLE_Layer(display_, geometry_, xOrg, yOrg, virtual_, zoom_)));
}

QString LayerView::pointerText() {
  int x = SHMEM_Field(&ctx_->shm, display_, BLOCK_MOUSEX);
  int y = SHMEM_Field(&ctx_->shm, display_, BLOCK_MOUSEY);
  int keys = SHMEM_Field(&ctx_->shm, display_, BLOCK_MOUSEKEYS);
  if (x == -1 && y == -1) return QStringLiteral("Mouse moved out");
  // The middle of the pixel's square, clear of the grid line on its top-left edge.
  uint32_t c = drawnColourAt(displayToClient(QPoint(x, y)) + QPoint(zoom_ / 2, zoom_ / 2));
  QString text = QString::asprintf("WM_MOUSEMOVE (x=%d, y=%d, BGR=%02X %02X %02X)", x, y,
                                   c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
  if (keys & 1) text += QStringLiteral(" Pressed");
  return text;
}

void LayerView::tick() {
  const DisplaySlot* d = SHMEM_Display(&ctx_->shm, display_);
  if (!d) {
    if (wasAttached_) viewport()->update();  // detached: black
    wasAttached_ = false;
    return;
  }
  bool changed = !wasAttached_;
  if (!wasAttached_ && (d->geometry.xSize != geometry_.xSize || d->geometry.ySize != geometry_.ySize ||
                        d->geometry.vxSize != geometry_.vxSize || d->geometry.vySize != geometry_.vySize ||
                        d->geometry.bpp != geometry_.bpp)) {
    geometry_ = d->geometry;  // a restarted simulation may have other sizes
    updateScrollBars();
    refreshTitle();
  }
  wasAttached_ = true;
  int32_t frame = SHMEM_Field(&ctx_->shm, display_, BLOCK_FRAMECOUNT);
  int32_t palette = SHMEM_Field(&ctx_->shm, display_, BLOCK_PALETTECOUNT);
  if (frame != lastFrame_ || (geometry_.bpp <= 8 && palette != lastPalette_)) changed = true;
  lastFrame_ = frame;
  lastPalette_ = palette;
  int xOrg, yOrg;
  RENDER_VisibleOrigin(&ctx_->shm, display_, &xOrg, &yOrg);
  if (xOrg != lastOrgX_ || yOrg != lastOrgY_) {
    refreshTitle();
    changed = true;
  }
  if (changed) viewport()->update();
  QString text = pointerText();
  if (text != lastPointerText_) {
    lastPointerText_ = text;
    emit statusText(text);
  }
}
