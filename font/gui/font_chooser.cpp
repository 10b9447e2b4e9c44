// Font chooser laid out with Qt layouts.
#include "font/gui/font_chooser.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "font/app/new_font_rules.h"

namespace {

struct StyleEntry {
  const char* pName;
  int Weight;
  bool Italic;
};

const StyleEntry s_aStyle[] = {
    {"Thin", 100, false},        {"Thin Italic", 100, true},        {"Extra Light", 200, false},
    {"Extra Light Italic", 200, true}, {"Light", 300, false},      {"Light Italic", 300, true},
    {"Regular", 400, false},     {"Italic", 400, true},             {"Medium", 500, false},
    {"Medium Italic", 500, true}, {"Semi Bold", 600, false},        {"Semi Bold Italic", 600, true},
    {"Bold", 700, false},        {"Bold Italic", 700, true},        {"Extra Bold", 800, false},
    {"Extra Bold Italic", 800, true}, {"Heavy", 900, false},        {"Heavy Italic", 900, true},
};

const int s_aPoints[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 36, 48, 72};

QFont::Weight qt_weight(int weight) { return static_cast<QFont::Weight>(weight); }

}  // namespace

FontChooser::FontChooser(QWidget* parent, const std::vector<std::string>& faces, const FontChoice& initial)
    : QDialog(parent) {
  setWindowTitle("Font");
  m_pFilter = new QLineEdit(this);
  m_pFilter->setPlaceholderText("Search");
  m_pFilter->setClearButtonEnabled(true);
  m_pFaces = new QListWidget(this);
  for (const std::string& f : faces) m_pFaces->addItem(QString::fromStdString(f));
  m_pStyles = new QListWidget(this);
  for (const StyleEntry& s : s_aStyle) m_pStyles->addItem(s.pName);
  m_pPoints = new QListWidget(this);
  for (int p : s_aPoints) m_pPoints->addItem(QString::number(p));
  m_pPixels = new QLineEdit(this);
  m_pPixels->setMaxLength(10);
  m_pPixels->setValidator(new QIntValidator(1, 9999, m_pPixels));
  m_pPixelMode = new QRadioButton("P&ixels", this);
  m_pPointMode = new QRadioButton("P&oints", this);
  m_pPreview = new QLabel(this);
  m_pPreview->setObjectName("FontPreview");
  m_pPreview->setMinimumSize(360, 90);
  m_pPreview->setAlignment(Qt::AlignCenter);
  m_pPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_pPreview->setAutoFillBackground(true);
  QPalette pal = m_pPreview->palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, Qt::black);
  m_pPreview->setPalette(pal);

  auto* faceLabel = new QLabel("&Font:", this);
  faceLabel->setBuddy(m_pFaces);
  auto* styleLabel = new QLabel("Font st&yle:", this);
  styleLabel->setBuddy(m_pStyles);
  auto* sizeLabel = new QLabel("&Size:", this);
  sizeLabel->setBuddy(m_pPixels);
  auto* unit = new QGroupBox("Unit of Size", this);
  auto* unitLayout = new QHBoxLayout(unit);
  unitLayout->addWidget(m_pPixelMode);
  unitLayout->addWidget(m_pPointMode);

  auto* grid = new QGridLayout;
  grid->addWidget(faceLabel, 0, 0);
  grid->addWidget(styleLabel, 0, 1);
  grid->addWidget(sizeLabel, 0, 2);
  auto* faceColumn = new QVBoxLayout;
  faceColumn->addWidget(m_pFilter);
  faceColumn->addWidget(m_pFaces);
  grid->addLayout(faceColumn, 1, 0);
  grid->addWidget(m_pStyles, 1, 1);
  auto* sizeColumn = new QVBoxLayout;
  sizeColumn->addWidget(m_pPixels);
  sizeColumn->addWidget(m_pPoints, 1);
  sizeColumn->addStretch();  // the pixel field stays at the top while the list is hidden
  grid->addLayout(sizeColumn, 1, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid, 1);
  layout->addWidget(unit);
  layout->addWidget(new QLabel("Sample", this));
  layout->addWidget(m_pPreview);
  layout->addWidget(buttons);
  resize(560, 540);

  // Start values: the document's face and style, the font height in pixels.
  const QList<QListWidgetItem*> found = m_pFaces->findItems(QString::fromStdString(initial.Face), Qt::MatchExactly);
  if (!found.isEmpty()) m_pFaces->setCurrentItem(found.first());
  else if (m_pFaces->count()) m_pFaces->setCurrentRow(0);
  int style = 6;
  for (int i = 0; i < static_cast<int>(std::size(s_aStyle)); ++i)
    if (s_aStyle[i].Weight == initial.Weight && s_aStyle[i].Italic == initial.Italic) style = i;
  m_pStyles->setCurrentRow(style);
  if (initial.PixelSize > 0) m_pPixels->setText(QString::number(initial.PixelSize));
  m_pPoints->setCurrentRow(6);
  (initial.PointMode ? m_pPointMode : m_pPixelMode)->setChecked(true);

  connect(m_pFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
    for (int i = 0; i < m_pFaces->count(); ++i)
      m_pFaces->item(i)->setHidden(!m_pFaces->item(i)->text().contains(text, Qt::CaseInsensitive));
  });
  connect(m_pPixelMode, &QRadioButton::toggled, this, [this] { updateMode(); });
  connect(m_pFaces, &QListWidget::currentRowChanged, this, [this] { updatePreview(); });
  connect(m_pStyles, &QListWidget::currentRowChanged, this, [this] { updatePreview(); });
  connect(m_pPoints, &QListWidget::currentRowChanged, this, [this] { updatePreview(); });
  connect(m_pPixels, &QLineEdit::textChanged, this, [this] { updatePreview(); });
  updateMode();
  if (m_pPixelMode->isChecked()) {
    m_pPixels->setFocus();
    m_pPixels->selectAll();
  }
}

void FontChooser::updateMode() {
  const bool pixels = m_pPixelMode->isChecked();
  m_pPixels->setVisible(pixels);
  m_pPoints->setVisible(!pixels);
  updatePreview();
}

void FontChooser::updatePreview() {
  const FontChoice c = Choice();
  QFont font(QString::fromStdString(c.Face));
  font.setWeight(qt_weight(c.Weight));
  font.setItalic(c.Italic);
  const int pixels = c.PixelSize > 0 ? c.PixelSize : -c.ChooserHeight;
  font.setPixelSize(std::clamp(pixels, 1, 200));
  font.setStyleStrategy(QFont::NoFontMerging);
  m_pPreview->setFont(font);
  m_pPreview->setText("AaBbYyZz 0123");
}

FontChoice FontChooser::Choice() const {
  FontChoice c;
  if (const QListWidgetItem* item = m_pFaces->currentItem()) c.Face = item->text().toStdString();
  const int style = std::max(0, m_pStyles->currentRow());
  c.Weight = s_aStyle[style].Weight;
  c.Italic = s_aStyle[style].Italic;
  c.PointMode = m_pPointMode->isChecked() ? 1 : 0;
  if (c.PointMode) {
    const QListWidgetItem* item = m_pPoints->currentItem();
    c.ChooserHeight = NEWFONT_PointsToHeight(item ? item->text().toInt() : 12);
  } else {
    c.PixelSize = m_pPixels->text().toInt();
  }
  return c;
}
