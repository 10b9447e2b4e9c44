// Colour views of a display: the palette (numColors 1 to 256 squares) and the fixed
// 16-bit colour chart for every other colour count.
#pragma once

#include <QWidget>

#include "viewer/ui/viewer_context.h"

class PaletteView : public QWidget {
  Q_OBJECT
 public:
  PaletteView(ViewerContext* ctx, int display, QWidget* parent = nullptr);
  int display() const { return display_; }
  // One step of the frame's 20 ms tick: repaint when paletteCount changed.
  void tick();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ViewerContext* ctx_;
  int display_;
  int32_t lastCount_ = 0;
  bool wasAttached_ = false;
};

class ColourChartView : public QWidget {
  Q_OBJECT
 public:
  ColourChartView(int display, QWidget* parent = nullptr);
  int display() const { return display_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int display_;
};
