// Visible-layer and virtual-layer views of one display: repaint when the display's pixels,
// colour table or origin change, and report the pointer position and colour.
#pragma once

#include <QString>
#include <QTimer>

#include "viewer/ui/pixel_view.h"

class LayerView : public PixelView {
  Q_OBJECT
 public:
  LayerView(ViewerContext* ctx, int display, bool virtualView, QWidget* parent = nullptr);
  QSize contentSize() const override;
  bool currentSource(PixelSource* src) override;
  void refreshTitle() override;
  // One 20 ms step: repaint on a change, rebuild the title when the origin moved, and
  // report the pointer readout when it changed.
  void tick();
  // The status text of the pointer fields now (as the readout shows it).
  QString pointerText();

 signals:
  void statusText(const QString& text);

 private:
  QTimer timer_;
  BlockGeometry geometry_;
  bool wasAttached_ = false;
  int32_t lastFrame_ = 0, lastPalette_ = 0;
  int lastOrgX_ = -1, lastOrgY_ = -1;
  QString lastPointerText_;
};
