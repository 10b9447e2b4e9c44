// Splitter frame on QSplitter.
#include "common/gui/splitter_frame.h"

#include <algorithm>

SplitterFrame::SplitterFrame(Qt::Orientation orientation, QWidget* parent) : QSplitter(orientation, parent) {
  setHandleWidth(GAP);
  setChildrenCollapsible(false);
  setOpaqueResize(true);
}

void SplitterFrame::AddChild(QWidget* child) {
  if (orientation() == Qt::Horizontal) child->setMinimumWidth(MIN_CHILD);
  else child->setMinimumHeight(MIN_CHILD);
  addWidget(child);
  for (int i = 0; i < count(); ++i) setStretchFactor(i, i == count() - 1 ? 1 : 0);
}

void SplitterFrame::SetFirstSize(int size) {
  if (count() < 2) return;
  const int total = (orientation() == Qt::Horizontal ? width() : height()) - GAP * (count() - 1);
  QList<int> s = sizes();
  const int first = std::clamp(size, int(MIN_CHILD), std::max(int(MIN_CHILD), total - MIN_CHILD * (count() - 1)));
  int rest = total - first;
  s[0] = first;
  for (int i = 1; i < count(); ++i) {
    s[i] = i == count() - 1 ? rest : std::min(s[i], rest - MIN_CHILD);
    rest -= s[i];
  }
  setSizes(s);
}
