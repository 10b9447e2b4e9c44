// The one-part status bar of the converters' main windows: "Ready" at start, a text is
// sent only when it differs from the one shown.
#pragma once

#include <QString>

class QLabel;
class QMainWindow;
class QStatusBar;

class StatusLine {
 public:
  // Installs the status bar (with size grip when asked) on the window.
  StatusLine(QMainWindow* window, bool sizeGrip);
  void SetText(const QString& text);
  QString Text() const { return m_text; }
  int Updates() const { return m_updates; }

 private:
  QLabel* m_pLabel;
  QString m_text;
  int m_updates = 0;
};
