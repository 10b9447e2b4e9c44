// Layer views.
#include "viewer/ui/layer_view.h"

#include "viewer/colour_convert.h"
#include "viewer/view_titles.h"

LayerView::LayerView(ViewerContext* ctx, int display, bool virtualView, QWidget* parent)
    : PixelView(ctx, display, virtualView, parent) {
  if (const DisplaySlot* d = SHMEM_Display(&ctx_->shm, display_)) geometry_ = d->geometry;
  refreshTitle();
  updateScrollBars();
}

QSize LayerView::contentSize() const {
  return virtual_ ? QSize(geometry_.vxSize, geometry_.vySize) : QSize(geometry_.xSize, geometry_.ySize);
}

bool LayerView::currentSource(PixelSource* src) {
  return RENDER_LayerSource(&ctx_->shm, display_, virtual_, &scratch_, src);
}

uint32_t LayerView::pixelColour(int x, int y) {
  const DisplaySlot* d = SHMEM_Display(&ctx_->shm, display_);
  if (!d) return 0;
  if (!virtual_) {
    int xOrg, yOrg;
    RENDER_VisibleOrigin(&ctx_->shm, display_, &xOrg, &yOrg);
    x += xOrg;
    y += yOrg;
  }
  uint32_t p = SHMEM_Pixel(&ctx_->shm, display_, x, y);
  if (d->geometry.bytesPerPixel == 1) return VCOLOR_SwapRB(SHMEM_ColorBGR(&ctx_->shm, display_, int(p)));
  return p & 0xFFFFFF;
}

void LayerView::paintEvent(QPaintEvent* event) {
  // The block carries the header of the bitmap being drawn.
  if (const DisplaySlot* d = SHMEM_Display(&ctx_->shm, display_))
    BLOCK_WriteBitmapHeader(d->base, d->size, d->geometry);
  PixelView::paintEvent(event);
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
  // The readout is rebuilt only when the pointer fields or the colour under them changed.
  int x = SHMEM_Field(&ctx_->shm, display_, BLOCK_MOUSEX);
  int y = SHMEM_Field(&ctx_->shm, display_, BLOCK_MOUSEY);
  int keys = SHMEM_Field(&ctx_->shm, display_, BLOCK_MOUSEKEYS);
  uint32_t colour = drawnColourAt(displayToClient(QPoint(x, y)) + QPoint(zoom_ / 2, zoom_ / 2));
  if (x == lastPointerX_ && y == lastPointerY_ && keys == lastPointerKeys_ && colour == lastPointerColour_)
    return;
  lastPointerX_ = x;
  lastPointerY_ = y;
  lastPointerKeys_ = keys;
  lastPointerColour_ = colour;
  QString text = pointerText();
  if (text != lastPointerText_) {
    lastPointerText_ = text;
    emit statusText(text);
  }
}
