// "Scale Image" on the dialog logic of bitmap/app.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "bitmap/app/scale_dialog.h"
#include "bitmap/gui/rastrel_dialogs.h"

bool RASTREL_RunScaleDialog(QWidget* parent, const ImageDocument* doc, int32_t* pWidth, int32_t* pHeight) {
  QDialog dialog(parent);
  dialog.setObjectName("ScaleDialog");
  dialog.setWindowTitle("Scale Image");
  ScaleDialogState& state = RASTREL_ScaleDialog;
  char original[80];
  SCALE_GetOriginalSizeText(doc, original, sizeof(original));
  auto* width = new QLineEdit(&dialog);
  auto* height = new QLineEdit(&dialog);
  width->setObjectName("width");
  height->setObjectName("height");
  width->setValidator(new QIntValidator(0, 999999, width));
  height->setValidator(new QIntValidator(0, 999999, height));
  auto* pixels = new QRadioButton("P&ixels", &dialog);
  auto* percent = new QRadioButton("P&ercent", &dialog);
  auto* keep = new QCheckBox("&Keep Proportions:", &dialog);
  keep->setLayoutDirection(Qt::RightToLeft);
  (state.Percent ? percent : pixels)->setChecked(true);
  keep->setChecked(state.KeepProportions);
  bool updating = false;
  auto reset = [&] {
    int32_t w = 0, h = 0;
    SCALE_GetInitialFields(&state, doc, &w, &h);
    updating = true;
    width->setText(QString::number(w));
    height->setText(QString::number(h));
    updating = false;
  };
  reset();
  QObject::connect(percent, &QRadioButton::toggled, &dialog, [&](bool on) {
    state.Percent = on;
    reset();
  });
  QObject::connect(keep, &QCheckBox::toggled, &dialog, [&](bool on) { state.KeepProportions = on; });
  QObject::connect(width, &QLineEdit::textEdited, &dialog, [&](const QString& t) {
    int32_t other = 0;
    if (!updating && SCALE_OtherFromWidth(&state, doc, t.toInt(), &other)) height->setText(QString::number(other));
  });
  QObject::connect(height, &QLineEdit::textEdited, &dialog, [&](const QString& t) {
    int32_t other = 0;
    if (!updating && SCALE_OtherFromHeight(&state, doc, t.toInt(), &other)) width->setText(QString::number(other));
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow("&Width:", width);
  form->addRow("&Height:", height);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QString::fromUtf8(original), &dialog));
  layout->addLayout(form);
  layout->addWidget(pixels);
  layout->addWidget(percent);
  layout->addWidget(keep);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  SCALE_GetResultSize(&state, doc, width->text().toInt(), height->text().toInt(), pWidth, pHeight);
  return true;
}
