// The value-entry dialog: a run-time dialog editing a list of numeric fields, each with
// a label, a radix and a range. Typing outside the radix beeps; OK checks the ranges.
#pragma once

#include "common/gui/runtime_dialog.h"
#include "common/gui/value_field.h"

#include <functional>
#include <vector>

enum { GUI_VALUE_FIRST_ID = 140 };

class ValueEntryDialog : public RuntimeDialog {
 public:
  ValueEntryDialog(QWidget* parent, const char* title, ValueField* fields, int numFields);
  // Checks every field in order: the first one out of range gets a warning box and
  // its text selected, and the dialog stays open; else the values are stored.
  void accept() override;
  // Called instead of the warning box when set (tests).
  void SetWarningHook(std::function<void(const QString&)> hook) { m_warn = std::move(hook); }
  // Called on a refused key (a beep).
  void SetBeepHook(std::function<void()> hook) { m_beep = std::move(hook); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<ValueField> m_fields;
  std::function<void(const QString&)> m_warn;
  std::function<void()> m_beep;
};

// Runs the dialog modally: 0 after OK (values stored), 1 after Cancel (nothing stored).
int GUI_RunValueEntry(QWidget* parent, const char* title, ValueField* fields, int numFields);
