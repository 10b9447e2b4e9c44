// QMessageBox wrappers.
#include "common/gui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

static QString caption_text(const char* caption) {
  return caption ? QString::fromUtf8(caption) : QApplication::applicationDisplayName();
}

void GUI_Warning(QWidget* parent, const char* caption, const char* text) {
  QMessageBox::warning(parent, caption_text(caption), QString::fromUtf8(text ? text : ""));
}

bool GUI_AskYesNo(QWidget* parent, const char* caption, const char* text) {
  return QMessageBox::question(parent, caption_text(caption), QString::fromUtf8(text ? text : ""),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
