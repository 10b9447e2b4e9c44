// Help listing in a read-only text view with per-line tab stops.
#include "common/gui/help_window.h"

#include <QDialog>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "common/gui/tab_columns.h"

namespace {

void line_up_columns(QTextEdit* view) {
  QTextDocument* doc = view->document();
  std::vector<std::string> lines;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) lines.push_back(b.text().toStdString());
  const QFontMetricsF fm(doc->defaultFont());
  const auto stops = TABCOL_LineStops(
      lines, [&fm](const std::string& s) { return fm.horizontalAdvance(QString::fromStdString(s)); },
      fm.averageCharWidth());
  QTextCursor cursor(doc);
  size_t i = 0;
  for (QTextBlock b = doc->begin(); b.isValid() && i < stops.size(); b = b.next(), ++i) {
    QList<QTextOption::Tab> tabs;
    for (double x : stops[i]) tabs.append(QTextOption::Tab(x, QTextOption::LeftTab));
    QTextBlockFormat format = b.blockFormat();
    format.setTabPositions(tabs);
    cursor.setPosition(b.position());
    cursor.setBlockFormat(format);
  }
}

}  // namespace

QDialog* GUI_CreateHelpWindow(QWidget* parent, const GuiHelpWindowDesc& desc, const char* text) {
  auto* dialog = new QDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setWindowTitle(QString::fromUtf8(desc.pTitle ? desc.pTitle : ""));
  auto* view = new QTextEdit(dialog);
  view->setReadOnly(true);
  view->setAcceptRichText(false);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  if (desc.BothScrollBars) {
    view->setLineWrapMode(QTextEdit::NoWrap);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  } else {
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  view->setPlainText(QString::fromUtf8(text ? text : "").remove('\r'));
  line_up_columns(view);
  auto* layout = new QVBoxLayout(dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view);

  QSize size(GUI_HELP_WINDOW_WIDTH, desc.TextHeight);
  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen) {
    // Room for a title bar and the frame is left on the screen.
    const QRect area = screen->availableGeometry();
    size = size.boundedTo(area.size() - QSize(0, 2 * QFontMetrics(dialog->font()).height()));
    dialog->move(area.x() + area.width() / 2 - size.width() / 2, area.y() + area.height() / 2 - size.height() / 2);
  }
  if (desc.Resizable)
    dialog->resize(size);
  else
    dialog->setFixedSize(size);
  return dialog;
}
