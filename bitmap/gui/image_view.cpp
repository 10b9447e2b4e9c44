// Painting of the information lines and the zoomed image.
#include "bitmap/gui/image_view.h"

#include <QPainter>
#include <cmath>

#include "bitmap/app/options.h"
#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/view_image.h"
#include "bitmap/app/view_scale.h"
#include "bitmap/document/image.h"

namespace {

QColor from_colour_value(ColorValue c) { return QColor(COLOR_Red(c), COLOR_Green(c), COLOR_Blue(c)); }

// Logical pixels that hold `device` device pixels (the image's frame goes around them).
int logical(int device, double dpr) { return static_cast<int>(std::ceil(device / dpr - 1e-9)); }

}  // namespace

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void ImageView::Invalidate() {
  m_aCache[0] = QImage();
  m_aCache[1] = QImage();
  updateGeometry();
  update();
}

void ImageView::FlipPhase() {
  m_phase ^= 1;
  if (IMAGE_GetCurrent() && IMAGE_GetCurrent()->HasAlpha) update(ImageRect().adjusted(-3, -3, 3, 3));
}

int ImageView::lineHeight() const { return fontMetrics().height(); }

int ImageView::imageTop() const { return 5 + 4 * lineHeight() + 5; }

QRect ImageView::ImageRect() const {
  const QRect d = DeviceImageRect();
  if (d.isEmpty()) return {};
  const double dpr = devicePixelRatioF();
  return QRect(10, imageTop(), logical(d.width(), dpr), logical(d.height(), dpr));
}

QRect ImageView::DeviceImageRect() const {
  const ImageDocument* doc = IMAGE_GetCurrent();
  if (!doc) return {};
  const int z = RASTREL_GetZoom();
  const double dpr = devicePixelRatioF();
  // The corner on a whole device pixel, so every image pixel covers whole device pixels.
  return QRect(static_cast<int>(std::lround(10 * dpr)), static_cast<int>(std::lround(imageTop() * dpr)),
               VIEW_DeviceSpan(doc->XSize, z, dpr), VIEW_DeviceSpan(doc->YSize, z, dpr));
}

QSize ImageView::sizeHint() const {
  const QRect r = ImageRect();
  if (r.isEmpty()) return {400, 300};
  return {std::max(400, r.right() + 20), r.bottom() + 20};
}

const QImage& ImageView::shownImage() {
  QImage& image = m_aCache[IMAGE_GetCurrent()->HasAlpha ? m_phase : 0];
  if (!image.isNull()) return image;
  const ImageDocument* doc = IMAGE_GetCurrent();
  const std::vector<uint32_t> pixels =
      VIEW_Pixels(doc, static_cast<int>(RASTREL_Options.ViewOption), RASTREL_Options.BkColor, m_phase);
  image = QImage(doc->XSize, doc->YSize, QImage::Format_RGB32);
  for (int y = 0; y < doc->YSize; ++y) {
    auto* line = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < doc->XSize; ++x) line[x] = 0xFF000000u | pixels[(size_t)y * doc->XSize + x];
  }
  return image;
}

void ImageView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QFontMetrics fm = fontMetrics();
  const int h = lineHeight();
  const ImageDocument* doc = IMAGE_GetCurrent();
  if (!doc) {
    p.drawText(5, 5 + fm.ascent(), "No bitmap");
    return;
  }
  const int valueX = 5 + fm.horizontalAdvance("Resolution:") + 17;
  auto line = [&](int i, const QString& label, const QString& value) {
    const int y = 5 + i * h + fm.ascent();
    p.drawText(5, y, label);
    p.drawText(valueX, y, value);
    return valueX + fm.horizontalAdvance(value);
  };
  line(0, "Resolution:", QString("%1 * %2").arg(doc->XSize).arg(doc->YSize));
  if (doc->NumColors) {
    const int x0 = line(1, "Colors:", QString::number(doc->NumColors)) + 10;
    const int w = width() - 10 - x0;
    for (int i = 0; w > 0 && i < doc->NumColors; ++i) {
      const int a = x0 + i * w / doc->NumColors, b = x0 + (i + 1) * w / doc->NumColors;
      p.fillRect(a, 5 + h, b - a, h, from_colour_value(IMAGE_GetPalColor(doc, i)));
    }
  } else {
    line(1, "Colors:", doc->HasAlpha ? "ARGB" : "RGB");
  }
  line(2, "Zoom: ", QString::asprintf("%.1f *", RASTREL_GetZoom() / 10.0));
  if (doc->HasTrans && doc->NumColors) {
    const ColorValue c = IMAGE_GetPalColor(doc, 0) & 0xFFFFFFu;
    const int x = line(3, "Transparent", QString::asprintf("Yes, Color:%.6X", c)) + 10;
    p.fillRect(x, 5 + 3 * h, 1000, h, from_colour_value(c));
  } else {
    line(3, "Transparent", "---");
  }
  const QRect r = ImageRect();
  // Drawn in device pixels: nearest-neighbour scaling onto whole device pixels.
  const double dpr = devicePixelRatioF();
  p.save();
  p.scale(1 / dpr, 1 / dpr);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(DeviceImageRect(), shownImage());
  p.restore();
  p.setPen(palette().color(QPalette::WindowText));
  p.drawRect(r.adjusted(-2, -2, 1, 1));
}
