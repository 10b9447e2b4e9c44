// "Create Alpha" and "Load Alpha mask": one file-name field per image, each with its
// Browse button. Browsing goes through the host's open dialog, so the names follow the
// program's file dialog and the test's scripted answers alike.
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "bitmap/app/alpha_dialog.h"
#include "bitmap/gui/rastrel_dialogs.h"

bool RASTREL_RunAlphaDialog(QWidget* parent, RastrelHost* host, AlphaDialogRequest* request) {
  const bool maskOnly = request->MaskOnly;
  QDialog dialog(parent);
  dialog.setObjectName("AlphaDialog");
  dialog.setWindowTitle(ALPHADLG_Title(maskOnly));
  auto* grid = new QGridLayout;
  QLineEdit* fields[2] = {};
  std::string* names[2] = {&request->Image1, &request->Image2};
  bool browsing = false;
  for (int i = 0; i < ALPHADLG_NumFields(maskOnly); ++i) {
    auto* label = new QLabel(ALPHADLG_FieldLabel(maskOnly, i), &dialog);
    fields[i] = new QLineEdit(QString::fromStdString(*names[i]), &dialog);
    fields[i]->setObjectName(QString("image%1").arg(i + 1));
    fields[i]->setMinimumWidth(fields[i]->fontMetrics().averageCharWidth() * 40);
    label->setBuddy(fields[i]);
    auto* browse = new QPushButton("Browse", &dialog);
    browse->setObjectName(QString("browse%1").arg(i + 1));
    browse->setAutoDefault(false);
    QLineEdit* field = fields[i];
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&browsing, host, field] {
      if (browsing) {  // a file dialog of this dialog is already open
        host->Beep();
        return;
      }
      browsing = true;
      FileDialogRequest r = ALPHADLG_BrowseRequest(field->text().toUtf8().constData());
      const bool chosen = host->AskOpenFileName(&r);
      browsing = false;
      if (!chosen) return;
      if (!ALPHADLG_IsBmpName(r.Chosen.c_str())) {
        host->ShowWarning("Warning", ALPHADLG_acNotBmp);
        return;
      }
      field->setText(QString::fromStdString(r.Chosen));
    });
    grid->addWidget(label, i, 0);
    grid->addWidget(fields[i], i, 1);
    grid->addWidget(browse, i, 2);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  for (int i = 0; i < ALPHADLG_NumFields(maskOnly); ++i) *names[i] = fields[i]->text().toStdString();
  return true;
}
