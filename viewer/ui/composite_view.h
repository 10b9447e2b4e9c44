// The composite of all layers, redrawn when any display's change counter moved.
#pragma once

#include <QTimer>
#include <vector>

#include "viewer/composite.h"
#include "viewer/ui/pixel_view.h"

class CompositeView : public PixelView {
  Q_OBJECT
 public:
  explicit CompositeView(ViewerContext* ctx, QWidget* parent = nullptr);
  QSize contentSize() const override;
  bool currentSource(PixelSource* src) override;
  void refreshTitle() override;
  const CompositeBuffer& buffer() const { return buffer_; }
  int alphaConvention() const { return alphaConvention_; }
  // One 50 ms step: re-render and repaint when a counter changed.
  void tick();

 protected:
  int pointerDisplay() const override { return 0; }

 private:
  QTimer timer_;
  CompositeBuffer buffer_;
  int alphaConvention_;
  int titleWidth_ = 0, titleHeight_ = 0;
  std::vector<int32_t> lastCounts_;
  bool rendered_ = false;
};
