// Zoomed pixel drawing, scrolling and pointer forwarding.
#include "viewer/ui/pixel_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "viewer/colour_convert.h"
#include "viewer/view_geometry.h"

int VIEWUI_PointerKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  int keys = 0;
  if (buttons & Qt::LeftButton) keys |= 1;
  if (buttons & Qt::RightButton) keys |= 2;
  if (modifiers & Qt::ShiftModifier) keys |= 4;
  if (modifiers & Qt::ControlModifier) keys |= 8;
  if (buttons & Qt::MiddleButton) keys |= 16;
  return keys;
}

PixelView::PixelView(ViewerContext* ctx, int display, bool virtualView, QWidget* parent)
    : QAbstractScrollArea(parent), ctx_(ctx), display_(display), virtual_(virtualView) {
  setFrameStyle(QFrame::NoFrame);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  QPalette pal = viewport()->palette();
  pal.setColor(QPalette::Window, Qt::black);
  viewport()->setPalette(pal);
}

int PixelView::scrollX() const { return horizontalScrollBar()->value(); }
int PixelView::scrollY() const { return verticalScrollBar()->value(); }

uint32_t PixelView::gridColourRGB() const { return VCOLOR_SwapRB(ctx_->settings.gridColor); }

void PixelView::setZoom(int zoom, bool grid) {
  zoom_ = zoom;
  grid_ = grid;
  zoomChanged_ = true;
  updateScrollBars();
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  refreshTitle();
  viewport()->update();
}

void PixelView::updateScrollBars() {
  QSize content = contentSize();
  // A bar is shown when the client without bars is narrower than the zoomed content; a
  // shown bar takes room from the other direction.
  QSize full = size(), zoomed = content * zoom_;
  bool needH = full.width() < zoomed.width(), needV = full.height() < zoomed.height();
  int barW = verticalScrollBar()->sizeHint().width(), barH = horizontalScrollBar()->sizeHint().height();
  if (needH && !needV) needV = full.height() - barH < zoomed.height();
  if (needV && !needH) needH = full.width() - barW < zoomed.width();
  setHorizontalScrollBarPolicy(needH ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(needV ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  QSize client(full.width() - (needV ? barW : 0), full.height() - (needH ? barH : 0));
  int visibleX = GEOM_VisibleCount(client.width(), zoom_);
  int visibleY = GEOM_VisibleCount(client.height(), zoom_);
  // Qt's range ends at the last first-position; the position is pulled back with it.
  horizontalScrollBar()->setRange(0, GEOM_MaxScroll(content.width(), visibleX));
  horizontalScrollBar()->setPageStep(std::max(visibleX, 1));
  verticalScrollBar()->setRange(0, GEOM_MaxScroll(content.height(), visibleY));
  verticalScrollBar()->setPageStep(std::max(visibleY, 1));
}

void PixelView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void PixelView::scrollContentsBy(int, int) { viewport()->update(); }

void PixelView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QRect client = viewport()->rect();
  PixelSource src;
  if (!currentSource(&src)) {
    painter.fillRect(client, Qt::black);
    return;
  }
  if (zoom_ == 1) {
    // Drawn straight from the block's rows: no copy.
    QImage image(reinterpret_cast<const uchar*>(src.pixels), src.width, src.height,
                 src.strideWords * 4, QImage::Format_RGB32);
    QRect shown(scrollX(), scrollY(), client.width(), client.height());
    shown &= image.rect();
    painter.drawImage(QPoint(0, 0), image, shown);
    if (shown.width() < client.width())
      painter.fillRect(QRect(shown.width(), 0, client.width() - shown.width(), client.height()), Qt::black);
    if (shown.height() < client.height())
      painter.fillRect(QRect(0, shown.height(), shown.width(), client.height() - shown.height()), Qt::black);
    return;
  }
  if (zoomBuffer_.size() != client.size())
    zoomBuffer_ = QImage(client.size(), QImage::Format_RGB32);
  RENDER_Zoom(src, scrollX(), scrollY(), zoom_, grid_, gridColourRGB(),
              reinterpret_cast<uint32_t*>(zoomBuffer_.bits()), client.width(), client.height(),
              zoomBuffer_.bytesPerLine() / 4);
  painter.drawImage(QPoint(0, 0), zoomBuffer_);
}

uint32_t PixelView::drawnColourAt(QPoint client) {
  QSize content = contentSize();
  int x, y;
  switch (RENDER_HitTest(content.width(), content.height(), scrollX(), scrollY(), zoom_, grid_,
                         client.x(), client.y(), &x, &y)) {
    case RENDER_HIT_GRID: return gridColourRGB();
    case RENDER_HIT_OUTSIDE: return 0;
    default: return pixelColour(x, y);
  }
}

QPoint PixelView::clientToDisplay(QPoint client) const {
  int xOrg = 0, yOrg = 0, x, y;
  if (virtual_) RENDER_VisibleOrigin(&ctx_->shm, display_, &xOrg, &yOrg);
  GEOM_ClientToDisplay(client.x(), client.y(), zoom_, scrollX(), scrollY(), virtual_, xOrg, yOrg, &x, &y);
  return {x, y};
}

QPoint PixelView::displayToClient(QPoint p) const {
  int xOrg = 0, yOrg = 0, x, y;
  if (virtual_) RENDER_VisibleOrigin(&ctx_->shm, display_, &xOrg, &yOrg);
  GEOM_DisplayToClient(p.x(), p.y(), zoom_, scrollX(), scrollY(), virtual_, xOrg, yOrg, &x, &y);
  return {x, y};
}

void PixelView::forwardPointer(QMouseEvent* event) {
  QPoint client = event->position().toPoint();
  if (!viewport()->rect().contains(client)) {
    // Dragged out of the client area while a button is held.
    pointerLeft();
    return;
  }
  pointerInside_ = true;
  QPoint p = clientToDisplay(client);
  SHMEM_WritePointer(&ctx_->shm, pointerDisplay(), p.x(), p.y(),
                     VIEWUI_PointerKeys(event->buttons(), event->modifiers()));
}

void PixelView::pointerLeft() {
  if (!pointerInside_) return;
  pointerInside_ = false;
  SHMEM_WritePointer(&ctx_->shm, pointerDisplay(), -1, -1, 0);
}

bool PixelView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) pointerLeft();
  return QAbstractScrollArea::viewportEvent(event);
}

void PixelView::mouseMoveEvent(QMouseEvent* event) { forwardPointer(event); }

void PixelView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit raiseRequested(this);
    QPoint at = event->globalPosition().toPoint() - QPoint(10, 10);
    emit contextMenuRequested(this, QPoint(std::max(at.x(), 0), std::max(at.y(), 0)));
    return;
  }
  if (event->button() == Qt::LeftButton) emit raiseRequested(this);
  forwardPointer(event);
}

void PixelView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit raiseRequested(this);
  forwardPointer(event);
}
