// The five option dialogs, on run-time descriptions.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <span>
#include <vector>

#include "font/app/command_ids.h"
#include "font/app/option_dialogs.h"
#include "font/gui/glyphor_dialogs.h"

namespace {

// An option dialog: its controls, with OK and Cancel added in the column ButtonX. The
// controls of aControlId show the dialog's fields (FONTOPT_DialogFields, same order); a
// control's kind decides the value: a check box holds 0 or 1, a radio button the field's
// value counted from its own identifier (Id + value), a factor list 1 to 4.
struct OptionDialog {
  unsigned Id;
  const char* pTitle;
  int Width, Height, ButtonX;
  std::span<const GuiControlDesc> Controls;
  int aControlId[3];
};

const GuiControlDesc s_aCompatibility[] = {
    {GUI_CTRL_GROUP, "Vorix Version", -1, 10, 10, 160, 70},
    {GUI_CTRL_RADIO, "V3.52x or later", 120, 30, 30, 130, 14},
    {GUI_CTRL_RADIO, "V3.50x or older", 121, 30, 50, 130, 14},
};
const GuiControlDesc s_aMagnification[] = {
    {GUI_CTRL_LABEL, "&X", -1, 30, 24, 30, 14},
    {GUI_CTRL_LIST, "", 100, 60, 22, 100, 100},
    {GUI_CTRL_LABEL, "&Y", -2, 30, 54, 30, 14},
    {GUI_CTRL_LIST, "", 101, 60, 52, 100, 100},
};
const GuiControlDesc s_aLogging[] = {
    {GUI_CTRL_CHECK, "Suppress &logging", 110, 30, 24, 230, 14},
    {GUI_CTRL_CHECK, "Suppress &messages in command line mode", 111, 30, 44, 230, 14},
    {GUI_CTRL_CHECK, "Create LOG-File in working directory", 112, 30, 64, 230, 14},
};
const GuiControlDesc s_aAntialiasing[] = {
    {GUI_CTRL_GROUP, "Internal antialiasing", -1, 10, 10, 160, 70},
    {GUI_CTRL_CHECK, "&Suppress optimization", 110, 30, 40, 130, 14},
    {GUI_CTRL_GROUP, "Antialiasing using OS", -2, 10, 90, 260, 70},
    {GUI_CTRL_CHECK, "&Enable gamma correction for AA2 and AA4", 111, 30, 120, 230, 14},
};
const GuiControlDesc s_aXbf[] = {
    {GUI_CTRL_LABEL, "Suppress automatic type detection of\nolder XBF font files (V5.14 or earlier)", -1, 10, 10,
     190, 50},
    {GUI_CTRL_CHECK, "Suppress autodetection", 110, 20, 50, 180, 14},
};

const OptionDialog s_aDialog[] = {
    {GLYPHOR_ID_OPT_COMPATIBILITY, "Compatibility options", 294, 115, 190, s_aCompatibility, {120}},
    {GLYPHOR_ID_OPT_MAGNIFICATION, "Magnification factor", 294, 120, 190, s_aMagnification, {100, 101}},
    {GLYPHOR_ID_OPT_LOGGING, "Logging", 394, 120, 290, s_aLogging, {110, 111, 112}},
    {GLYPHOR_ID_OPT_ANTIALIASING, "Antialiasing (for standard fonts)", 294, 200, 190, s_aAntialiasing, {110, 111}},
    {GLYPHOR_ID_OPT_XBF, "XBF font options", 314, 120, 210, s_aXbf, {110}},
};

const OptionDialog* find_dialog(unsigned id) {
  for (const OptionDialog& d : s_aDialog)
    if (d.Id == id) return &d;
  return nullptr;
}

void show_value(const RuntimeDialog& d, int id, int32_t value) {
  if (auto* check = d.Get<QCheckBox>(id)) {
    check->setChecked(value != 0);
  } else if (auto* list = d.Get<QComboBox>(id)) {
    // The lists hold 1 to 4; a value outside shows 1.
    list->addItems({"1", "2", "3", "4"});
    list->setCurrentIndex(value >= 1 && value <= 4 ? value - 1 : 0);
  } else if (d.Get<QRadioButton>(id)) {
    // A value without a button of its own checks the first.
    auto* radio = value > 0 ? d.Get<QRadioButton>(id + value) : nullptr;
    (radio ? radio : d.Get<QRadioButton>(id))->setChecked(true);
  }
}

int32_t read_value(const RuntimeDialog& d, int id) {
  if (auto* check = d.Get<QCheckBox>(id)) return check->isChecked() ? 1 : 0;
  if (auto* list = d.Get<QComboBox>(id)) return list->currentIndex() + 1;
  for (int v = 0; auto* radio = d.Get<QRadioButton>(id + v); ++v)
    if (radio->isChecked()) return v;
  return 0;
}

}  // namespace

RuntimeDialog* GLYPHOR_CreateOptionDialog(QWidget* parent, unsigned id, const FontOptions& o) {
  const OptionDialog* desc = find_dialog(id);
  if (!desc) return nullptr;
  std::vector<GuiControlDesc> controls(desc->Controls.begin(), desc->Controls.end());
  controls.push_back({GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, desc->ButtonX, 20, 80, 25});
  controls.push_back({GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, desc->ButtonX, 50, 80, 25});
  auto* d = new RuntimeDialog(parent, {desc->pTitle, desc->Width, desc->Height, controls.data(),
                                       static_cast<int>(controls.size())});
  const FontOptionDialogFields* fields = FONTOPT_DialogFields(id);
  for (int i = 0; fields && i < 3; ++i)
    if (fields->apField[i]) show_value(*d, desc->aControlId[i], o.*fields->apField[i]);
  return d;
}

void GLYPHOR_ReadOptionDialog(const RuntimeDialog& d, unsigned id, FontOptions* o) {
  const OptionDialog* desc = find_dialog(id);
  const FontOptionDialogFields* fields = FONTOPT_DialogFields(id);
  for (int i = 0; desc && fields && i < 3; ++i)
    if (fields->apField[i]) o->*fields->apField[i] = read_value(d, desc->aControlId[i]);
}

bool GLYPHOR_RunOptionDialog(QWidget* parent, unsigned id, FontOptions* options) {
  RuntimeDialog* d = GLYPHOR_CreateOptionDialog(parent, id, *options);
  if (!d) return false;
  const bool ok = d->exec() == QDialog::Accepted;
  if (ok) GLYPHOR_ReadOptionDialog(*d, id, options);
  delete d;
  return ok;
}
