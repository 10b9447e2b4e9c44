// The overview of all characters (VIEWFONT_Class): one row per listed block of 16
// codes, glyphs drawn on demand as their rows come into view.
#pragma once

#include <QAbstractScrollArea>
#include <functional>

class OverviewView : public QAbstractScrollArea {
 public:
  OverviewView();
  // Scroll ranges and a repaint after a change of the document or the view mode.
  void Refresh();
  // Scrolls so that the code's row and cell are visible.
  void ShowCode(unsigned code);
  int FirstRow() const;
  int XOffset() const;
  // The image of the client area as painted (tests and screenshots).
  QImage Render();

  std::function<void(int code)> OnClick;                  // a character was clicked
  std::function<void(int code, QPoint global)> OnMenu;    // right click: select and pop up
  std::function<void(QKeyEvent*)> OnKey;                  // every key, Tab included
  std::function<void()> OnActivate;                       // a click outside the cells

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void paintRows(QPainter* painter, int width, int height);
  int longestNameWidth() const;
};
