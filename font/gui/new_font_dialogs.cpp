// Generation options, XBF type, range and value dialogs, about box.
#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>

#include "common/gui/about_box.h"
#include "common/gui/value_entry_dialog.h"
#include "common/settings/build_stamp.h"
#include "common/version/version.h"
#include "font/app/new_font_rules.h"
#include "font/gui/glyphor_dialogs.h"

namespace {

const char* const s_apTypeNames[7] = {"Standard",
                                      "Antialiased, 2bpp",
                                      "Antialiased, 4bpp",
                                      "Extended",
                                      "Extended, framed",
                                      "Extended, antialiased, 2bpp",
                                      "Extended, antialiased, 4bpp"};

enum { ID_TYPE_LIST = 100, ID_ENC_FIRST = 110, ID_AA_OS = 120, ID_AA_INTERNAL = 121, ID_XBF_FIRST = 110 };

const GuiControlDesc s_aGeneration[] = {
    {GUI_CTRL_LABEL, "&Type of font to generate", -1, 10, 10, 200, 14},
    {GUI_CTRL_LIST, "", ID_TYPE_LIST, 10, 26, 200, 120},
    {GUI_CTRL_GROUP, "&Encoding", -2, 10, 56, 200, 74},
    {GUI_CTRL_RADIO, "16 Bit &UNICODE", ID_ENC_FIRST, 20, 74, 180, 16},
    {GUI_CTRL_RADIO, "8 Bit &ASCII + ISO 8859", ID_ENC_FIRST + 1, 20, 92, 180, 16},
    {GUI_CTRL_RADIO, "8/16 Bit &SHIFT_JIS", ID_ENC_FIRST + 2, 20, 110, 180, 16},
    {GUI_CTRL_GROUP, "&Antialiasing", -3, 10, 138, 200, 56},
    {GUI_CTRL_RADIO, "Using OS", ID_AA_OS, 20, 156, 180, 16},
    {GUI_CTRL_RADIO, "Internal", ID_AA_INTERNAL, 20, 174, 180, 16},
    {GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 225, 10, 75, 23},
    {GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 225, 40, 75, 23},
};

const GuiControlDesc s_aXbfType[] = {
    {GUI_CTRL_GROUP, "Type:", -1, 10, 10, 200, 112},
    {GUI_CTRL_RADIO, "Standard", ID_XBF_FIRST, 20, 28, 185, 16},
    {GUI_CTRL_RADIO, "Extended", ID_XBF_FIRST + 1, 20, 46, 185, 16},
    {GUI_CTRL_RADIO, "Extended, framed", ID_XBF_FIRST + 2, 20, 64, 185, 16},
    {GUI_CTRL_RADIO, "Extended, antialiased, 2bpp", ID_XBF_FIRST + 3, 20, 82, 185, 16},
    {GUI_CTRL_RADIO, "Extended, antialiased, 4bpp", ID_XBF_FIRST + 4, 20, 100, 185, 16},
    {GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 225, 10, 75, 23},
    {GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 225, 40, 75, 23},
};

const int s_aXbfTypes[5] = {FONT_TYPE_STD, FONT_TYPE_EXT, FONT_TYPE_EXT_FRM, FONT_TYPE_EXT_AA2, FONT_TYPE_EXT_AA4};

int checked_encoding(const RuntimeDialog& d) {
  for (int e = 0; e < 3; ++e)
    if (d.Get<QRadioButton>(ID_ENC_FIRST + e)->isChecked()) return e;
  return FONT_ENC_UNICODE;
}

// The type list offers the extended types only while Unicode is chosen.
void fill_types(RuntimeDialog* d, int type) {
  auto* list = d->Get<QComboBox>(ID_TYPE_LIST);
  const int encoding = checked_encoding(*d);
  type = NEWFONT_TypeForEncoding(type, encoding);
  QSignalBlocker block(list);
  list->clear();
  for (int t = 0; t < NEWFONT_TypeCount(encoding); ++t) list->addItem(s_apTypeNames[t]);
  list->setCurrentIndex(type);
  d->Get<QRadioButton>(ID_AA_OS)->setEnabled(NEWFONT_MethodChoosable(type));
  d->Get<QRadioButton>(ID_AA_INTERNAL)->setEnabled(NEWFONT_MethodChoosable(type));
}

}  // namespace

RuntimeDialog* GLYPHOR_CreateGenerationDialog(QWidget* parent, const FontCreateRequest& r) {
  auto* d = new RuntimeDialog(parent, GuiDialogDesc{"Font generation options", 310, 205, s_aGeneration,
                                                    static_cast<int>(std::size(s_aGeneration))});
  auto* encodings = new QButtonGroup(d);
  for (int e = 0; e < 3; ++e) encodings->addButton(d->Get<QRadioButton>(ID_ENC_FIRST + e), e);
  auto* methods = new QButtonGroup(d);
  methods->addButton(d->Get<QRadioButton>(ID_AA_OS), FONT_AA_OS);
  methods->addButton(d->Get<QRadioButton>(ID_AA_INTERNAL), FONT_AA_INTERNAL);
  const int encoding = r.Encoding >= 0 && r.Encoding <= 2 ? r.Encoding : FONT_ENC_UNICODE;
  d->Get<QRadioButton>(ID_ENC_FIRST + encoding)->setChecked(true);
  d->Get<QRadioButton>(r.AAMode == FONT_AA_INTERNAL ? ID_AA_INTERNAL : ID_AA_OS)->setChecked(true);
  fill_types(d, r.Type);
  QObject::connect(encodings, &QButtonGroup::idClicked, d,
                   [d](int) { fill_types(d, d->Get<QComboBox>(ID_TYPE_LIST)->currentIndex()); });
  QObject::connect(d->Get<QComboBox>(ID_TYPE_LIST), &QComboBox::currentIndexChanged, d, [d](int type) {
    d->Get<QRadioButton>(ID_AA_OS)->setEnabled(NEWFONT_MethodChoosable(type));
    d->Get<QRadioButton>(ID_AA_INTERNAL)->setEnabled(NEWFONT_MethodChoosable(type));
  });
  return d;
}

void GLYPHOR_ReadGenerationDialog(const RuntimeDialog& d, FontCreateRequest* r) {
  r->Encoding = checked_encoding(d);
  r->Type = NEWFONT_TypeForEncoding(d.Get<QComboBox>(ID_TYPE_LIST)->currentIndex(), r->Encoding);
  r->AAMode = d.Get<QRadioButton>(ID_AA_INTERNAL)->isChecked() ? FONT_AA_INTERNAL : FONT_AA_OS;
}

bool GLYPHOR_RunGenerationDialog(QWidget* parent, FontCreateRequest* r) {
  RuntimeDialog* d = GLYPHOR_CreateGenerationDialog(parent, *r);
  const bool ok = d->exec() == QDialog::Accepted;
  if (ok) GLYPHOR_ReadGenerationDialog(*d, r);
  delete d;
  return ok;
}

RuntimeDialog* GLYPHOR_CreateXbfTypeDialog(QWidget* parent, int preselected) {
  auto* d = new RuntimeDialog(parent, GuiDialogDesc{"Type of XBF-font to be read", 310, 135, s_aXbfType,
                                                    static_cast<int>(std::size(s_aXbfType))});
  int index = 0;
  for (int i = 0; i < 5; ++i)
    if (s_aXbfTypes[i] == preselected) index = i;
  d->Get<QRadioButton>(ID_XBF_FIRST + index)->setChecked(true);
  return d;
}

int GLYPHOR_ReadXbfTypeDialog(const RuntimeDialog& d) {
  for (int i = 0; i < 5; ++i)
    if (d.Get<QRadioButton>(ID_XBF_FIRST + i)->isChecked()) return s_aXbfTypes[i];
  return FONT_TYPE_STD;
}

int GLYPHOR_RunXbfTypeDialog(QWidget* parent, int preselected) {
  RuntimeDialog* d = GLYPHOR_CreateXbfTypeDialog(parent, preselected);
  const int type = d->exec() == QDialog::Accepted ? GLYPHOR_ReadXbfTypeDialog(*d) : -1;
  delete d;
  return type;
}

bool GLYPHOR_RunRangeDialog(QWidget* parent, FontRangeRequest* r) {
  int64_t first = r->First, last = r->Last;
  ValueField fields[2] = {{"&First character", 16, 0, 0xFFFF, &first}, {"&Last character", 16, 0, 0xFFFF, &last}};
  if (GUI_RunValueEntry(parent, "Select range of characters", fields, 2) != 0) return false;
  r->First = static_cast<int32_t>(first);
  r->Last = static_cast<int32_t>(last);
  return true;
}

bool GLYPHOR_RunValueDialog(QWidget* parent, const char* title, const char* label, int min, int max, int* value) {
  int64_t v = *value;
  ValueField field{label, 10, min, max, &v};
  if (GUI_RunValueEntry(parent, title, &field, 1) != 0) return false;
  *value = static_cast<int>(v);
  return true;
}

QDialog* GLYPHOR_CreateAboutBox(QWidget* parent, const char* title) {
  const QString text = QString::fromUtf8(title);
  QDialog* box = GUI_CreateAboutBox(parent, "About",
                                    {text, QString("Version: %1").arg(VORIX_VERSION_TEXT),
                                     QString("Compiled %1 on %2").arg(BUILD_GetTime(), BUILD_GetDate())},
                                    "\r\n\r\n" + text);
  box->setObjectName("AboutBox");
  return box;
}

void GLYPHOR_RunAboutBox(QWidget* parent, const char* title) {
  QDialog* box = GLYPHOR_CreateAboutBox(parent, title);
  box->exec();
  delete box;
}
