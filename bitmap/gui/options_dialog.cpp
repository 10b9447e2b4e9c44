// "Options": changes apply at once; Apply, OK and Cancel follow the options session.
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "bitmap/app/options_session.h"
#include "bitmap/gui/rastrel_dialogs.h"

namespace {

QColor to_qcolor(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
uint32_t from_qcolor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace

void RASTREL_RunOptionsDialog(QWidget* parent, std::function<void()> applied) {
  QDialog dialog(parent);
  dialog.setObjectName("OptionsDialog");
  dialog.setWindowTitle("Options");
  dialog.setMinimumSize(320, 240);
  OptionsSession session;
  OPTSESSION_Begin(&session, &RASTREL_Options);

  auto* preserve = new QCheckBox("P&reserve transparency", &dialog);
  auto* bigEndian = new QCheckBox("B&ig endian mode", &dialog);
  auto* argb = new QCheckBox("Sa&ve colors in ARGB mode", &dialog);
  auto* modes = new QButtonGroup(&dialog);
  const char* const modeTexts[] = {"Alternating &tiled background", "Tiled &background", "&Colored background"};
  auto* choose = new QPushButton("Choose color", &dialog);
  auto* swatch = new QFrame(&dialog);
  swatch->setObjectName("swatch");
  swatch->setFrameShape(QFrame::Box);
  swatch->setMinimumSize(130, 23);
  swatch->setAutoFillBackground(true);
  auto* ok = new QPushButton("OK", &dialog);
  auto* cancel = new QPushButton("Cancel", &dialog);
  auto* apply = new QPushButton("&Apply", &dialog);
  ok->setDefault(true);

  QVBoxLayout* left = new QVBoxLayout;
  left->addWidget(preserve);
  left->addWidget(bigEndian);
  left->addWidget(argb);
  left->addWidget(new QLabel("Show transparency as:", &dialog));
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(modeTexts[i], &dialog);
    modes->addButton(radio, i);
    left->addWidget(radio);
  }
  auto* colourRow = new QHBoxLayout;
  colourRow->addSpacing(10);
  colourRow->addWidget(choose);
  colourRow->addWidget(swatch);
  left->addLayout(colourRow);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(ok);
  right->addWidget(cancel);
  right->addWidget(apply);
  right->addStretch();
  auto* layout = new QHBoxLayout(&dialog);
  layout->addLayout(left, 1);
  layout->addLayout(right);

  auto show = [&] {
    const RastrelOptions& o = session.Current;
    preserve->setChecked(o.PreserveTrans);
    bigEndian->setChecked(o.BigEndianMode);
    argb->setChecked(o.UseARGB);
    if (auto* b = modes->button(static_cast<int>(o.ViewOption))) b->setChecked(true);
    choose->setVisible(o.ViewOption == 2);
    swatch->setVisible(o.ViewOption == 2);
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, to_qcolor(o.BkColor));
    swatch->setPalette(pal);
    apply->setEnabled(OPTSESSION_IsApplyEnabled(&session));
  };
  auto change = [&](RastrelOptions values) {
    OPTSESSION_Change(&session, values);
    if (applied) applied();
    show();
  };
  show();
  // Each control sets its one field of the current values.
  auto set = [&](uint32_t RastrelOptions::*field, uint32_t value) {
    RastrelOptions o = session.Current;
    o.*field = value;
    change(o);
  };
  for (const auto& entry : {std::pair{preserve, &RastrelOptions::PreserveTrans},
                            std::pair{bigEndian, &RastrelOptions::BigEndianMode},
                            std::pair{argb, &RastrelOptions::UseARGB}}) {
    uint32_t RastrelOptions::*field = entry.second;
    QObject::connect(entry.first, &QCheckBox::toggled, &dialog, [&set, field](bool on) { set(field, on ? 1 : 0); });
  }
  QObject::connect(modes, &QButtonGroup::idClicked, &dialog,
                   [&set](int id) { set(&RastrelOptions::ViewOption, static_cast<uint32_t>(id)); });
  QObject::connect(choose, &QPushButton::clicked, &dialog, [&] {
    const QColor c = QColorDialog::getColor(to_qcolor(session.Current.BkColor), &dialog);
    if (!c.isValid()) return;
    RastrelOptions o = session.Current;
    o.BkColor = from_qcolor(c);
    change(o);
  });
  QObject::connect(apply, &QPushButton::clicked, &dialog, [&] {
    OPTSESSION_Apply(&session);
    show();
  });
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  if (dialog.exec() == QDialog::Accepted) {
    OPTSESSION_Ok(&session);
  } else if (OPTSESSION_Cancel(&session) && applied) {
    applied();
  }
}
