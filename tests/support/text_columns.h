// Where a text view really draws the fields of its lines: the x of the first character
// after each run of tabs, read back from the laid-out text.
#pragma once

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <vector>

// The x of every field of line `line` that follows a tab run (the indented start included).
inline std::vector<int> FieldStarts(QTextEdit* view, int line) {
  std::vector<int> xs;
  const QTextBlock block = view->document()->findBlockByNumber(line);
  const QString text = block.text();
  for (int i = 1; i < text.size(); ++i) {
    if (text[i - 1] != '\t' || text[i] == '\t') continue;
    QTextCursor c(block);
    c.setPosition(block.position() + i);
    xs.push_back(view->cursorRect(c).left());
  }
  return xs;
}

// The line holding the text, or -1.
inline int LineWith(QTextEdit* view, const QString& needle) {
  for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next())
    if (b.text().contains(needle)) return b.blockNumber();
  return -1;
}

// The x of the last field of the first line holding the text.
inline int LastFieldOf(QTextEdit* view, const QString& needle) {
  const std::vector<int> xs = FieldStarts(view, LineWith(view, needle));
  return xs.empty() ? -1 : xs.back();
}
