// The main window's client area: the information lines and the image at the zoom, a
// document with alpha composed over the view background of the current phase.
#pragma once

#include <QImage>
#include <QWidget>

class ImageView : public QWidget {
  Q_OBJECT
 public:
  explicit ImageView(QWidget* parent = nullptr);
  // The document changed or the options were applied: composed images are rebuilt.
  void Invalidate();
  // Flips the checkerboard phase (view option 0) and repaints.
  void FlipPhase();
  int Phase() const { return m_phase; }
  // Rectangle of the image in widget coordinates (empty without a document).
  QRect ImageRect() const;
  // The same in device pixels: each image pixel covers whole device pixels when the
  // zoom enlarges (see VIEW_DeviceScale).
  QRect DeviceImageRect() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int lineHeight() const;
  int imageTop() const;
  const QImage& shownImage();
  QImage m_aCache[2];
  int m_phase = 0;
};
