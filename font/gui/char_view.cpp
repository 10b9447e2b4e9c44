// Character view painting and input.
#include "font/gui/char_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "font/app/char_view_rules.h"
#include "font/app/window_rules.h"
#include "font/generator/glyph_gen.h"
#include "font/gui/view_colours.h"
#include "font/model/current_font.h"

CharView::CharView() {
  setObjectName("VIEWCHAR_Class");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
}

int CharView::CellSize() const { return CHARVIEW_CellSize(FONT_GetCurrent(), contentsRect().height()); }

QImage CharView::Render() {
  QImage image(contentsRect().size(), QImage::Format_RGB32);
  QPainter painter(&image);
  paintCells(&painter);
  return image;
}

void CharView::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.translate(contentsRect().topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), contentsRect().size()));
  paintCells(&painter);
}

void CharView::paintCells(QPainter* p) {
  p->fillRect(QRect(QPoint(0, 0), contentsRect().size()), palette().color(QPalette::Window));
  FontDoc* doc = FONT_GetCurrent();
  const int s = CellSize();
  if (!doc || s <= 0) return;
  const unsigned code = doc->CurrentChar;
  FontChar& c = doc->aChar[code];
  if (!c.Generated && c.Available) FONT_RenderChar(doc, code);
  const bool extended = FONT_IsExtended(doc->Type);
  const int top = CHARVIEW_GlyphTop(doc, code);
  const int rows = FONT_PlaneRows(doc, code);
  // Cells beyond the client area are not drawn.
  const int endRow = std::min(static_cast<int>(doc->Height), contentsRect().height() / s + 1);
  const int endColumn = std::min(static_cast<int>(c.Width), contentsRect().width() / s + 1);
  for (int fr = 0; fr < endRow; ++fr) {
    const int gy = fr - top;
    const bool outside = extended && (gy < 0 || gy >= rows);
    for (int col = 0; col < endColumn; ++col) {
      const QRect cell(col * s, fr * s, s + 1, s + 1);
      p->fillRect(cell, Qt::black);
      const uint32_t colour =
          outside ? GLYPHOR_COLOUR_OUTSIDE_GLYPH : FONTGEN_ValueToColour(doc->Type, FONT_GetPixel(doc, code, col, gy));
      p->fillRect(cell.adjusted(1, 1, -1, -1), QColor(GLYPHOR_Rgb(colour)));
    }
  }
  if (GLYPHOR_ActiveView() != GLYPHOR_VIEW_CHAR || c.Width <= 0) return;
  // The cursor: a rectangle outset by 2 and one inset by 2 inverted, leaving a ring.
  const PixelCursor cursor = GLYPHOR_GetPixelCursor();
  const QRect cell(cursor.Column * s, (cursor.Row + top) * s, s + 1, s + 1);
  p->save();
  p->setCompositionMode(QPainter::RasterOp_NotDestination);
  p->fillRect(cell.adjusted(-2, -2, 2, 2), Qt::black);
  if (s > 4) p->fillRect(cell.adjusted(2, 2, -2, -2), Qt::black);
  p->restore();
}

void CharView::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint() - contentsRect().topLeft();
  PixelCursor hit;
  const FontDoc* doc = FONT_GetCurrent();
  if (!doc || !CHARVIEW_HitTest(doc, doc->CurrentChar, CellSize(), pos.x(), pos.y(), &hit)) {
    if (OnActivate) OnActivate();
    return;
  }
  if (event->button() == Qt::LeftButton && OnClick) OnClick(hit.Column, hit.Row);
  if (event->button() == Qt::RightButton && OnMenu) OnMenu(hit.Column, hit.Row, event->globalPosition().toPoint());
}

void CharView::keyPressEvent(QKeyEvent* event) {
  if (OnKey) OnKey(event);
}

bool CharView::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && OnKey) {
      OnKey(key);
      return true;
    }
  }
  return QFrame::event(event);
}
