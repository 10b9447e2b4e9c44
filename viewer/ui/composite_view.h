// The composite of all layers, redrawn when any display's change counter moved.
#pragma once

#include <array>

#include "viewer/composite.h"
#include "viewer/ui/pixel_view.h"

class CompositeView : public PixelView {
  Q_OBJECT
 public:
  explicit CompositeView(ViewerContext* ctx, QWidget* parent = nullptr);
  QSize contentSize() const override;
  bool currentSource(PixelSource* src) override;
  uint32_t pixelColour(int x, int y) override;
  void refreshTitle() override;
  const CompositeBuffer& buffer() const { return buffer_; }
  int alphaConvention() const { return alphaConvention_; }
  // One step of the frame's 20 ms tick (the poll rate, so a composite that changes every
  // frame repaints 50 times a second): re-render and repaint when a counter changed.
  void tick();

 protected:
  int pointerDisplay() const override { return 0; }

 private:
  CompositeBuffer buffer_;
  int alphaConvention_;
  int titleWidth_ = 0, titleHeight_ = 0;
  std::array<int32_t, 2 * BLOCK_MAX_DISPLAYS> lastCounts_{};
  bool rendered_ = false;
};
