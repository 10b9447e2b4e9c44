// Status bar with a single label part.
#include "common/gui/status_line.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

StatusLine::StatusLine(QMainWindow* window, bool sizeGrip) : m_pLabel(new QLabel), m_text("Ready") {
  QStatusBar* bar = window->statusBar();
  bar->setSizeGripEnabled(sizeGrip);
  bar->addWidget(m_pLabel, 1);
  m_pLabel->setText(m_text);
}

void StatusLine::SetText(const QString& text) {
  if (text == m_text) return;
  m_text = text;
  ++m_updates;
  m_pLabel->setText(text);
}
