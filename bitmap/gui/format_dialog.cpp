// "Format specification".
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "bitmap/app/format_choices.h"
#include "bitmap/gui/rastrel_dialogs.h"
#include "bitmap/output/c_bitmap_format.h"

bool RASTREL_RunFormatDialog(QWidget* parent, FormatDialogRequest* request) {
  QDialog dialog(parent);
  dialog.setObjectName("FormatDialog");
  dialog.setWindowTitle("Format specification");
  dialog.setMinimumSize(306, 230);
  auto* list = new QListWidget(&dialog);
  auto* noPalette = new QCheckBox("&Without palette", &dialog);
  bool paletteEntries = false;
  for (int number : RASTREL_FormatChoices(request->pDoc, request->FileType, &paletteEntries)) {
    const CBitmapFormat* f = CBITMAP_FindFormat(number);
    auto* item = new QListWidgetItem(QString::fromUtf8(f ? f->pDialogText : "?"), list);
    item->setData(Qt::UserRole, number);
  }
  noPalette->setEnabled(paletteEntries);
  QObject::connect(list, &QListWidget::currentRowChanged, &dialog, [&](int row) {
    if (row >= 0) noPalette->setEnabled(RASTREL_NoPaletteEnabled(list->item(row)->data(Qt::UserRole).toInt(), noPalette->isEnabled()));
  });
  if (list->count()) list->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel("Select format:", &dialog));
  layout->addWidget(list, 1);
  layout->addWidget(noPalette);
  layout->addWidget(buttons);
  list->setFocus();
  if (dialog.exec() != QDialog::Accepted || !list->currentItem()) return false;
  request->Format = list->currentItem()->data(Qt::UserRole).toInt();
  request->WithoutPalette = noPalette->isEnabled() && noPalette->isChecked() ? 1 : 0;
  return true;
}
