// The splitter frame of the font converter's main window: children separated by gaps
// of 3 pixels that the user drags; no child gets smaller than 4 pixels across the
// gap. When the frame is resized, the last child (the one on the right or bottom edge)
// takes the change and the others keep their size.
#pragma once

#include <QSplitter>

class SplitterFrame : public QSplitter {
 public:
  enum { GAP = 3, MIN_CHILD = 4 };
  explicit SplitterFrame(Qt::Orientation orientation, QWidget* parent = nullptr);
  // Adds a child after the present ones; it becomes the one that follows the edge.
  void AddChild(QWidget* child);
  // Puts the gap after the first child at the given offset (pixels from the frame's
  // left or top).
  void SetFirstSize(int size);
};
