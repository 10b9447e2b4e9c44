// Overview painting: code column, 16 cells per row with lines, block names.
#include "font/gui/overview_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "font/app/char_view_rules.h"
#include "font/app/commands.h"
#include "font/app/overview_layout.h"
#include "font/app/window_rules.h"
#include "font/generator/glyph_gen.h"
#include "font/gui/view_colours.h"
#include "font/model/current_font.h"

namespace {

// One cell's image: background and the glyph's non-zero pixels in their shades.
QImage cell_image(FontDoc* doc, unsigned code, const OverviewGeometry& g, bool current) {
  FontChar& c = doc->aChar[code];
  if (!c.Generated && c.Available) FONT_RenderChar(doc, code);  // drawn on demand only
  const bool enabled = c.Enabled != 0;
  uint32_t background = enabled ? GLYPHOR_COLOUR_WHITE : GLYPHOR_COLOUR_GREY;
  if (current) background = 0;
  QImage image(std::max(1, g.CellFill), g.FillHeight, QImage::Format_RGB32);
  image.fill(GLYPHOR_Rgb(background));
  const int largest = FONT_MaxPixelValue(doc->Type);
  const int top = CHARVIEW_GlyphTop(doc, code);
  const int rows = FONT_PlaneRows(doc, code);
  // Only the rows and columns that fall into the cell are read.
  const int firstRow = std::max(0, -top);
  const int endRow = std::min(rows, image.height() - top);
  const int endColumn = std::min(c.Width, image.width() - (OVERVIEW_GLYPH_X - 1));
  for (int y = firstRow; y < endRow; ++y) {
    const int iy = top + y;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(iy));
    for (int x = 0; x < endColumn; ++x) {
      const int ix = OVERVIEW_GLYPH_X - 1 + x;  // the image starts 1 pixel right of the cell's line
      const int v = FONT_GetPixel(doc, code, x, y);
      if (v == 0) continue;
      uint32_t colour = FONTGEN_ValueToColour(doc->Type, v);
      if (current) colour = enabled ? FONTGEN_ValueToColour(doc->Type, v < 0 ? largest : largest - v) : GLYPHOR_COLOUR_GREY;
      line[ix] = GLYPHOR_Rgb(colour);
    }
  }
  return image;
}

}  // namespace

OverviewView::OverviewView() {
  setObjectName("VIEWFONT_Class");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setAutoFillBackground(false);
}

int OverviewView::FirstRow() const { return verticalScrollBar()->value(); }
int OverviewView::XOffset() const { return horizontalScrollBar()->value(); }

int OverviewView::longestNameWidth() const {
  return fontMetrics().horizontalAdvance("Comb. Half Marks, CJK Comp. Forms & SFV");
}

void OverviewView::Refresh() {
  const FontDoc* doc = FONT_GetCurrent();
  const OverviewGeometry g = OVERVIEW_Geometry(doc);
  const int rows = static_cast<int>(OVERVIEW_ListedBlocks(doc, GLYPHOR_IsEnabledOnlyView()).size());
  const int page = OVERVIEW_PageRows(viewport()->height(), g.RowHeight);
  // The last row may be cut: a page is the rows shown in whole or in part.
  verticalScrollBar()->setRange(0, std::max(0, rows - page + 1));
  verticalScrollBar()->setPageStep(std::max(1, page - 1));
  verticalScrollBar()->setSingleStep(1);
  const int range = OVERVIEW_HorizontalRange(doc, longestNameWidth());
  horizontalScrollBar()->setRange(0, std::max(0, range - viewport()->width()));
  horizontalScrollBar()->setPageStep(std::max(1, viewport()->width()));
  horizontalScrollBar()->setSingleStep(1);
  viewport()->update();
}

void OverviewView::ShowCode(unsigned code) {
  const FontDoc* doc = FONT_GetCurrent();
  if (!doc) return;
  const OverviewGeometry g = OVERVIEW_Geometry(doc);
  const int row = OVERVIEW_RowOfCode(OVERVIEW_ListedBlocks(doc, GLYPHOR_IsEnabledOnlyView()), code);
  if (row >= 0)
    verticalScrollBar()->setValue(OVERVIEW_FirstRowShowing(row, FirstRow(), viewport()->height(), g.RowHeight));
  horizontalScrollBar()->setValue(OVERVIEW_OffsetShowing(g, static_cast<int>(code & 15), XOffset(), viewport()->width()));
  viewport()->update();
}

QImage OverviewView::Render() {
  QImage image(viewport()->size(), QImage::Format_RGB32);
  QPainter painter(&image);
  paintRows(&painter, image.width(), image.height());
  return image;
}

void OverviewView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  paintRows(&painter, viewport()->width(), viewport()->height());
}

void OverviewView::paintRows(QPainter* p, int width, int height) {
  p->fillRect(0, 0, width, height, Qt::white);
  FontDoc* doc = FONT_GetCurrent();
  if (!doc) return;
  const OverviewGeometry g = OVERVIEW_Geometry(doc);
  const std::vector<int> listed = OVERVIEW_ListedBlocks(doc, GLYPHOR_IsEnabledOnlyView());
  const bool active = GLYPHOR_ActiveView() == GLYPHOR_VIEW_OVERVIEW;
  const bool names = doc->Encoding != FONT_ENC_SJIS;
  const int dx = -XOffset();
  const int right = OVERVIEW_CellX(g, 16);
  p->setPen(Qt::black);
  for (int i = 0; i * g.RowHeight < height; ++i) {
    const int row = FirstRow() + i;
    if (row >= static_cast<int>(listed.size())) break;  // rows beyond the last block stay white
    const int block = listed[row];
    const int y = i * g.RowHeight;
    p->setPen(Qt::black);
    p->drawText(QRect(dx, y, OVERVIEW_CODE_COLUMN, g.RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                QString::asprintf("%04X ", block * 16));
    p->drawLine(dx + OVERVIEW_CODE_COLUMN, y, dx + right, y);
    for (int k = 0; k <= 16; ++k) {
      const int x = dx + OVERVIEW_CellX(g, k);
      p->drawLine(x, y, x, y + g.RowHeight - 1);
    }
    for (int k = 0; k < 16; ++k) {
      const unsigned code = static_cast<unsigned>(block * 16 + k);
      const int x = dx + OVERVIEW_CellX(g, k);
      if (x + g.CellWidth < 0 || x > width) continue;
      p->drawImage(QPoint(x + 1, y + 1), cell_image(doc, code, g, active && code == doc->CurrentChar));
    }
    if (names)
      if (const char* name = FONT_GetAreaName(doc, static_cast<unsigned>(block)))
        p->drawText(QRect(dx + OVERVIEW_NameX(g), y, 10000, g.RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                    QString::fromUtf8(name));
  }
}

void OverviewView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Refresh();
}

void OverviewView::scrollContentsBy(int, int) { viewport()->update(); }

void OverviewView::mousePressEvent(QMouseEvent* event) {
  const FontDoc* doc = FONT_GetCurrent();
  if (!doc) return;
  const QPoint pos = event->position().toPoint();  // viewport coordinates
  const int code = OVERVIEW_CodeAt(OVERVIEW_Geometry(doc), OVERVIEW_ListedBlocks(doc, GLYPHOR_IsEnabledOnlyView()),
                                   FirstRow(), XOffset(), pos.x(), pos.y());
  if (code < 0) {
    if (OnActivate) OnActivate();
    return;
  }
  if (event->button() == Qt::LeftButton && OnClick) OnClick(code);
  if (event->button() == Qt::RightButton && OnMenu)
    OnMenu(code, event->globalPosition().toPoint() - QPoint(10, 10));
}

void OverviewView::wheelEvent(QWheelEvent* event) {
  // One row per 120 units; down for a negative delta.
  static int s_rest = 0;
  s_rest += event->angleDelta().y();
  const int rows = s_rest / 120;
  s_rest -= rows * 120;
  verticalScrollBar()->setValue(FirstRow() - rows);
  event->accept();
}

void OverviewView::keyPressEvent(QKeyEvent* event) {
  if (OnKey) OnKey(event);
}

bool OverviewView::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && OnKey) {
      OnKey(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}
