// About box laid out with Qt layouts.
#include "common/gui/about_box.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

QDialog* GUI_CreateAboutBox(QWidget* parent, const QString& title, const QStringList& lines,
                            const QString& information) {
  auto* dialog = new QDialog(parent);
  dialog->setWindowTitle(title);
  auto* top = new QHBoxLayout;
  auto* icon = new QLabel(dialog);
  icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
  top->addWidget(icon, 0, Qt::AlignTop);
  auto* text = new QVBoxLayout;
  for (const QString& line : lines) text->addWidget(new QLabel(line, dialog));
  text->addStretch();
  top->addLayout(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  top->addWidget(buttons, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(top);
  if (!information.isEmpty()) {
    // A group frame round a read-only text of about 311 x 107 dialog pixels.
    auto* frame = new QGroupBox(dialog);
    frame->setObjectName("InformationFrame");
    auto* info = new QPlainTextEdit(QString(information).remove('\r'), frame);
    info->setReadOnly(true);
    const QFontMetrics fm(info->font());
    info->setMinimumSize(fm.averageCharWidth() * 52, fm.lineSpacing() * 8);
    (new QVBoxLayout(frame))->addWidget(info);
    layout->addWidget(frame);
  }
  return dialog;
}
