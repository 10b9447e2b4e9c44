// File dialogs on QFileDialog.
#include "common/gui/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "common/gui/file_name_filter.h"

namespace {

QString last_folder;  // the folder of the last save: the next dialog starts there

// "text (patterns)" as the dialog parses it. A program's text that names its patterns
// already ("Bitmap file (*.bmp)") is shown as it is: the dialog hides the appended part.
QString filter_text(const FileFilter& f) {
  QString patterns = QString::fromUtf8(f.pPatterns).replace(';', ' ').simplified();
  return QString::fromUtf8(f.pText) + " (" + patterns + ")";
}

bool names_its_patterns(const FileFilter& f) { return f.pText && QString::fromUtf8(f.pText).trimmed().endsWith(')'); }

bool run(QWidget* parent, FileDialogRequest* r, bool save) {
  QFileDialog dialog(parent, QString::fromUtf8(r->pTitle ? r->pTitle : ""));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setOption(QFileDialog::ReadOnly, false);
  QStringList filters;
  for (int i = 0; i < r->NumFilters; ++i) filters << filter_text(r->paFilters[i]);
  dialog.setNameFilters(filters);
  bool ownTexts = r->NumFilters > 0;
  for (int i = 0; i < r->NumFilters; ++i) ownTexts = ownTexts && names_its_patterns(r->paFilters[i]);
  dialog.setOption(QFileDialog::HideNameFilterDetails, ownTexts);
  // The dialog names a filter by its whole text or, with the details hidden, by the text
  // it shows.
  auto index_of = [&](const QString& name) {
    for (int i = 0; i < r->NumFilters; ++i)
      if (name == filters[i] || name.trimmed() == QString::fromUtf8(r->paFilters[i].pText).trimmed()) return i;
    return -1;
  };
  const int index = (r->FilterIndex >= 0 && r->FilterIndex < r->NumFilters) ? r->FilterIndex : 0;
  if (!filters.isEmpty()) dialog.selectNameFilter(filters[index]);
  std::string initial = r->InitialName;
  if (save && r->NumFilters) initial = GUI_NameForFilter(initial, r->paFilters[index].pPatterns);
  QFileInfo info(QString::fromStdString(initial));
  if (save && !last_folder.isEmpty()) dialog.setDirectory(last_folder);
  else if (!initial.empty()) dialog.setDirectory(info.absolutePath());
  if (!info.fileName().isEmpty()) dialog.selectFile(info.fileName());
  if (save) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
      const int i = index_of(chosen);
      if (i < 0) return;
      const QStringList names = dialog.selectedFiles();
      const std::string name = names.isEmpty() ? initial : QFileInfo(names.first()).fileName().toStdString();
      const std::string ext = GUI_FilterExtension(r->paFilters[i].pPatterns);
      dialog.setDefaultSuffix(QString::fromStdString(ext));
      dialog.selectFile(QString::fromStdString(GUI_NameForFilter(name, r->paFilters[i].pPatterns)));
    });
    dialog.setDefaultSuffix(QString::fromStdString(GUI_FilterExtension(r->NumFilters ? r->paFilters[index].pPatterns : nullptr)));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  r->Chosen = dialog.selectedFiles().first().toStdString();
  r->FilterIndex = std::max(0, index_of(dialog.selectedNameFilter()));
  if (save) last_folder = QFileInfo(QString::fromStdString(r->Chosen)).absolutePath();
  return true;
}

}  // namespace

bool GUI_AskOpenFileName(QWidget* parent, FileDialogRequest* request) { return run(parent, request, false); }
bool GUI_AskSaveFileName(QWidget* parent, FileDialogRequest* request) { return run(parent, request, true); }
