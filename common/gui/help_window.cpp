// Help listing in a plain text view with fixed tab stops.
#include "common/gui/help_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QVBoxLayout>

QDialog* GUI_CreateHelpWindow(QWidget* parent, const char* title, const char* text) {
  auto* dialog = new QDialog(parent);
  dialog->setWindowTitle(QString::fromUtf8(title ? title : ""));
  auto* view = new QPlainTextEdit(dialog);
  view->setReadOnly(true);
  view->setLineWrapMode(QPlainTextEdit::NoWrap);
  const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  view->setFont(font);
  view->setTabStopDistance(QFontMetrics(font).horizontalAdvance(' ') * 8);
  view->setPlainText(QString::fromUtf8(text ? text : "").remove('\r'));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(view);
  layout->addWidget(buttons);
  dialog->resize(QFontMetrics(font).horizontalAdvance('x') * 100, 480);
  return dialog;
}
