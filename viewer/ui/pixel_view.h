// Common part of the layer and composite views: a scroll area in display-pixel units that
// draws its pixels at an integer zoom (1:1 straight from the block, zoomed through a
// cached client-sized buffer that also carries the grid) and forwards the pointer.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <vector>

#include "viewer/render.h"
#include "viewer/ui/viewer_context.h"

class PixelView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  PixelView(ViewerContext* ctx, int display, bool virtualView, QWidget* parent = nullptr);

  int display() const { return display_; }
  bool isVirtual() const { return virtual_; }
  int zoom() const { return zoom_; }
  bool grid() const { return grid_; }
  int scrollX() const;
  int scrollY() const;
  // Content size in display pixels, and at the current zoom.
  virtual QSize contentSize() const = 0;
  QSize zoomedContentSize() const { return contentSize() * zoom_; }
  // Sets zoom and grid, resets the scroll position and rebuilds the title.
  void setZoom(int zoom, bool grid);
  // The pixels to draw now; false when the display is detached.
  virtual bool currentSource(PixelSource* src) = 0;
  virtual void refreshTitle() = 0;
  // Colour drawn at a client point (0xRRGGBB); black where nothing is drawn.
  uint32_t drawnColourAt(QPoint client);
  // Colour of one content pixel (0xRRGGBB), read without preparing a whole frame.
  virtual uint32_t pixelColour(int x, int y) = 0;
  // Client point to display coordinates (the values written to the pointer fields).
  QPoint clientToDisplay(QPoint client) const;
  QPoint displayToClient(QPoint display) const;
  void updateScrollBars();

 signals:
  void contextMenuRequested(PixelView* view, QPoint globalPos);
  void raiseRequested(PixelView* view);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool viewportEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Display index whose pointer fields this view writes.
  virtual int pointerDisplay() const { return display_; }
  uint32_t gridColourRGB() const;

  ViewerContext* ctx_;
  int display_;
  bool virtual_;
  int zoom_ = 1;
  bool grid_ = false;
  bool zoomChanged_ = false;
  std::vector<uint32_t> scratch_;
  QImage zoomBuffer_;

 private:
  void forwardPointer(QMouseEvent* event);
  void pointerLeft();
  bool pointerInside_ = false;
};

// Button and key flags of the pointer fields: bit 0 left, 1 right, 2 Shift, 3 Control,
// 4 middle.
int VIEWUI_PointerKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
