// The character view (VIEWCHAR_Class): the current character as a grid of square
// cells, the pixel cursor marked while the view is active.
#pragma once

#include <QFrame>
#include <functional>

class CharView : public QFrame {
 public:
  CharView();
  // Side of a cell in the current size.
  int CellSize() const;
  QImage Render();

  std::function<void(int column, int row)> OnClick;              // a cell inside the character
  std::function<void(int column, int row, QPoint global)> OnMenu;  // right click
  std::function<void()> OnActivate;                               // a click elsewhere
  std::function<void(QKeyEvent*)> OnKey;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void paintCells(QPainter* painter);
};
