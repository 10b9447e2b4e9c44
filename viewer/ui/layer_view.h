// Visible-layer and virtual-layer views of one display: repaint when the display's pixels,
// colour table or origin change, and report the pointer position and colour.
#pragma once

#include <QString>

#include "viewer/ui/pixel_view.h"

class LayerView : public PixelView {
  Q_OBJECT
 public:
  LayerView(ViewerContext* ctx, int display, bool virtualView, QWidget* parent = nullptr);
  QSize contentSize() const override;
  bool currentSource(PixelSource* src) override;
  uint32_t pixelColour(int x, int y) override;
  void refreshTitle() override;
  // One step of the frame's 20 ms tick: repaint on a change, rebuild the title when the
  // origin moved, and report the pointer readout when it changed.
  void tick();
  // The status text of the pointer fields now (as the readout shows it).
  QString pointerText();

 signals:
  void statusText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BlockGeometry geometry_;
  bool wasAttached_ = false;
  int32_t lastFrame_ = 0, lastPalette_ = 0;
  int lastOrgX_ = -1, lastOrgY_ = -1;
  QString lastPointerText_;
  int lastPointerX_ = -2, lastPointerY_ = -2, lastPointerKeys_ = -1;
  uint32_t lastPointerColour_ = 0;
};
