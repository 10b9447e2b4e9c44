// Mode and About dialogs.
#include "viewer/ui/dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/settings/build_stamp.h"
#include "viewer/view_titles.h"

ModeDialog::ModeDialog(bool multiDisplay, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Multi layer/display mode"));
  auto* layout = new QVBoxLayout(this);
  layers_ = new QRadioButton(QStringLiteral("Multi &layer mode"), this);
  displays_ = new QRadioButton(QStringLiteral("Multi &display mode"), this);
  (multiDisplay ? displays_ : layers_)->setChecked(true);
  layout->addWidget(layers_);
  layout->addWidget(displays_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool ModeDialog::multiDisplay() const { return displays_->isChecked(); }

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  const QString name = QString::fromLatin1(VIEWER_APP_NAME);
  setWindowTitle(QStringLiteral("About %1").arg(name));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(name, this));
  layout->addWidget(new QLabel(QStringLiteral("Version: %1").arg(QString::fromStdString(TITLE_VersionText())), this));
  layout->addWidget(new QLabel(QStringLiteral("Compile time: %1 %2").arg(BUILD_GetTime(), BUILD_GetDate()), this));
  layout->addWidget(new QLabel(name, this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}
