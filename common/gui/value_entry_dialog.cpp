// Value-entry dialog: width 288, height 25 per field + 100; OK and Cancel at the right.
#include "common/gui/value_entry_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {

GuiDialogDesc describe(const char* title, const ValueField* fields, int n, std::vector<GuiControlDesc>* controls) {
  controls->push_back({GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 207, 29, 65, 23});
  controls->push_back({GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 207, 59, 65, 23});
  for (int i = 0; i < n; ++i) {
    controls->push_back({GUI_CTRL_LABEL, fields[i].pLabel, -1, 10, 32 + 25 * i, 70, 15});
    controls->push_back({GUI_CTRL_EDIT, "", GUI_VALUE_FIRST_ID + i, 80, 30 + 25 * i, 100, 21});
  }
  return {title, 288, 25 * n + 100, controls->data(), static_cast<int>(controls->size())};
}

std::vector<GuiControlDesc>& scratch() {
  static std::vector<GuiControlDesc> s_controls;
  s_controls.clear();
  return s_controls;
}

}  // namespace

ValueEntryDialog::ValueEntryDialog(QWidget* parent, const char* title, ValueField* fields, int numFields)
    : RuntimeDialog(parent, describe(title, fields, numFields, &scratch())),
      m_fields(fields, fields + (numFields > 0 ? numFields : 0)) {
  for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) {
    auto* edit = Get<QLineEdit>(GUI_VALUE_FIRST_ID + i);
    edit->setText(QString::fromStdString(VALUE_Format(*m_fields[i].pValue, m_fields[i].Radix)));
    edit->installEventFilter(this);
  }
  // Typing starts in the first field; Tab walks the fields, then OK and Cancel.
  QWidget* previous = nullptr;
  for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) {
    QWidget* edit = Get<QLineEdit>(GUI_VALUE_FIRST_ID + i);
    if (previous) setTabOrder(previous, edit);
    previous = edit;
  }
  if (previous) {
    setTabOrder(previous, Control(GUI_ID_OK));
    setTabOrder(Control(GUI_ID_OK), Control(GUI_ID_CANCEL));
    Get<QLineEdit>(GUI_VALUE_FIRST_ID)->setFocus();
    Get<QLineEdit>(GUI_VALUE_FIRST_ID)->selectAll();
  }
}

bool ValueEntryDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return RuntimeDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (text.size() != 1 || !text[0].isPrint() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) {
    auto* edit = Get<QLineEdit>(GUI_VALUE_FIRST_ID + i);
    if (edit != watched) continue;
    // Typing replaces a selection: the rule applies to the text around it.
    QString rest = edit->text();
    int pos = edit->cursorPosition();
    if (edit->hasSelectedText()) {
      pos = edit->selectionStart();
      rest.remove(pos, static_cast<int>(edit->selectedText().size()));
    }
    const char ch = text[0].unicode() < 128 ? static_cast<char>(text[0].unicode()) : '?';
    if (VALUE_AcceptsChar(m_fields[i], rest.toStdString(), pos, ch)) return false;
    if (m_beep) m_beep();
    else QApplication::beep();
    return true;
  }
  return false;
}

void ValueEntryDialog::accept() {
  std::vector<int64_t> values;
  for (int i = 0; i < static_cast<int>(m_fields.size()); ++i) {
    auto* edit = Get<QLineEdit>(GUI_VALUE_FIRST_ID + i);
    const int64_t v = VALUE_Parse(edit->text().toStdString(), m_fields[i].Radix);
    const std::string message = VALUE_RangeMessage(m_fields[i], v);
    if (!message.empty()) {
      if (m_warn) m_warn(QString::fromStdString(message));
      else QMessageBox::warning(this, "Value out of range", QString::fromStdString(message));
      edit->setFocus();
      edit->selectAll();
      return;
    }
    values.push_back(v);
  }
  for (size_t i = 0; i < values.size(); ++i) *m_fields[i].pValue = values[i];
  RuntimeDialog::accept();
}

int GUI_RunValueEntry(QWidget* parent, const char* title, ValueField* fields, int numFields) {
  ValueEntryDialog dialog(parent, title, fields, numFields);
  return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
