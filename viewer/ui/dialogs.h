// The viewer's two dialogs: Multi layer/display mode (650) and About (102).
#pragma once

#include <QDialog>

class QRadioButton;

class ModeDialog : public QDialog {
  Q_OBJECT
 public:
  ModeDialog(bool multiDisplay, QWidget* parent);
  bool multiDisplay() const;

 private:
  QRadioButton* layers_;
  QRadioButton* displays_;
};

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent);
};
