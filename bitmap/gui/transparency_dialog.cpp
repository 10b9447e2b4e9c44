// "Transparency": the colour to make transparent.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "bitmap/gui/rastrel_dialogs.h"
#include "bitmap/transform/transform.h"

int RASTREL_RunTransparencyDialog(QWidget* parent, const ImageDocument* doc, int initialChoice) {
  QDialog dialog(parent);
  dialog.setObjectName("TransparencyDialog");
  dialog.setWindowTitle("Transparency");
  auto* combo = new QComboBox(&dialog);
  for (int i = 0; i < TRANS_GetNumChoices(doc); ++i) {
    char text[64];
    TRANS_GetChoiceText(doc, i, text, sizeof(text));
    combo->addItem(QString::fromUtf8(text));
  }
  combo->setCurrentIndex(initialChoice);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel("Color to make transparent", &dialog));
  layout->addWidget(combo);
  layout->addWidget(buttons);
  return dialog.exec() == QDialog::Accepted ? combo->currentIndex() : -1;
}
