// Palette view and colour chart.
#include "viewer/ui/colour_views.h"

#include <QImage>
#include <QPainter>

#include "viewer/colour_convert.h"
#include "viewer/view_titles.h"

PaletteView::PaletteView(ViewerContext* ctx, int display, QWidget* parent)
    : QWidget(parent), ctx_(ctx), display_(display) {
  setWindowTitle(QString::fromStdString(TITLE_Colors(display)));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMaximumSize(162, 162);
}

void PaletteView::tick() {
  bool attached = SHMEM_Display(&ctx_->shm, display_) != nullptr;
  int32_t count = SHMEM_Field(&ctx_->shm, display_, BLOCK_PALETTECOUNT);
  if (count != lastCount_ || attached != wasAttached_) update();
  lastCount_ = count;
  wasAttached_ = attached;
}

void PaletteView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  int n = SHMEM_Field(&ctx_->shm, display_, BLOCK_NUMCOLORS);
  if (!VCOLOR_UsesPalette(n)) return;
  painter.setPen(Qt::black);
  for (int i = 0; i < n; ++i) {
    PaletteCell c = VCOLOR_PaletteCell(i);
    uint32_t rgb = VCOLOR_SwapRB(SHMEM_ColorBGR(&ctx_->shm, display_, i));
    painter.setBrush(QColor::fromRgb(rgb));
    // The outline covers the square's edge pixels, as a filled rectangle with a pen does.
    painter.drawRect(c.left, c.top, c.right - c.left - 1, c.bottom - c.top - 1);
  }
}

ColourChartView::ColourChartView(int display, QWidget* parent) : QWidget(parent), display_(display) {
  setWindowTitle(QString::fromStdString(TITLE_Colors(display)));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourChartView::paintEvent(QPaintEvent*) {
  static uint32_t chart[VCOLOR_CHART_WIDTH * VCOLOR_CHART_HEIGHT];
  static bool built = false;
  if (!built) {
    VCOLOR_Chart(chart);
    built = true;
  }
  QImage image(reinterpret_cast<const uchar*>(chart), VCOLOR_CHART_WIDTH, VCOLOR_CHART_HEIGHT,
               VCOLOR_CHART_WIDTH * 4, QImage::Format_RGB32);
  QPainter painter(this);
  painter.drawImage(rect(), image);
}
