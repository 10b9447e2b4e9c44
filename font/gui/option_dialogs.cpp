// The five option dialogs, on run-time descriptions.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "font/app/command_ids.h"
#include "font/gui/glyphor_dialogs.h"

namespace {

const GuiControlDesc s_aCompatibility[] = {
    {GUI_CTRL_GROUP, "Vorix Version", -1, 10, 10, 160, 70},
    {GUI_CTRL_RADIO, "V3.52x or later", 120, 30, 30, 130, 14},
    {GUI_CTRL_RADIO, "V3.50x or older", 121, 30, 50, 130, 14},
    {GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 190, 20, 80, 25},
    {GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 190, 50, 80, 25},
};

const GuiControlDesc s_aMagnification[] = {
    {GUI_CTRL_LABEL, "&X", -1, 30, 24, 30, 14},
    {GUI_CTRL_LIST, "", 100, 60, 22, 100, 100},
    {GUI_CTRL_LABEL, "&Y", -2, 30, 54, 30, 14},
    {GUI_CTRL_LIST, "", 101, 60, 52, 100, 100},
    {GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 190, 20, 80, 25},
    {GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 190, 50, 80, 25},
};

const GuiControlDesc s_aLogging[] = {
    {GUI_CTRL_CHECK, "Suppress &logging", 110, 30, 24, 230, 14},
    {GUI_CTRL_CHECK, "Suppress &messages in command line mode", 111, 30, 44, 230, 14},
    {GUI_CTRL_CHECK, "Create LOG-File in working directory", 112, 30, 64, 230, 14},
    {GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 290, 20, 80, 25},
    {GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 290, 50, 80, 25},
};

const GuiControlDesc s_aAntialiasing[] = {
    {GUI_CTRL_GROUP, "Internal antialiasing", -1, 10, 10, 160, 70},
    {GUI_CTRL_CHECK, "&Suppress optimization", 110, 30, 40, 130, 14},
    {GUI_CTRL_GROUP, "Antialiasing using OS", -2, 10, 90, 260, 70},
    {GUI_CTRL_CHECK, "&Enable gamma correction for AA2 and AA4", 111, 30, 120, 230, 14},
    {GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 190, 20, 80, 25},
    {GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 190, 50, 80, 25},
};

const GuiControlDesc s_aXbf[] = {
    {GUI_CTRL_LABEL, "Suppress automatic type detection of\nolder XBF font files (V5.14 or earlier)", -1, 10, 10,
     190, 50},
    {GUI_CTRL_CHECK, "Suppress autodetection", 110, 20, 50, 180, 14},
    {GUI_CTRL_DEFAULT_BUTTON, "OK", GUI_ID_OK, 210, 20, 80, 25},
    {GUI_CTRL_BUTTON, "Cancel", GUI_ID_CANCEL, 210, 50, 80, 25},
};

template <size_t N>
GuiDialogDesc desc(const char* title, int w, int h, const GuiControlDesc (&controls)[N]) {
  return {title, w, h, controls, static_cast<int>(N)};
}

void set_check(const RuntimeDialog& d, int id, int32_t value) { d.Get<QCheckBox>(id)->setChecked(value != 0); }
int32_t checked(const RuntimeDialog& d, int id) { return d.Get<QCheckBox>(id)->isChecked() ? 1 : 0; }

// The lists hold 1 to 4; a value outside shows 1.
void fill_factor(const RuntimeDialog& d, int id, int32_t value) {
  auto* list = d.Get<QComboBox>(id);
  list->addItems({"1", "2", "3", "4"});
  list->setCurrentIndex(value >= 1 && value <= 4 ? value - 1 : 0);
}

}  // namespace

RuntimeDialog* GLYPHOR_CreateOptionDialog(QWidget* parent, unsigned id, const FontOptions& o) {
  RuntimeDialog* d = nullptr;
  switch (id) {
    case GLYPHOR_ID_OPT_COMPATIBILITY:
      d = new RuntimeDialog(parent, desc("Compatibility options", 294, 115, s_aCompatibility));
      d->Get<QRadioButton>(o.Compatibility == 1 ? 121 : 120)->setChecked(true);
      break;
    case GLYPHOR_ID_OPT_MAGNIFICATION:
      d = new RuntimeDialog(parent, desc("Magnification factor", 294, 120, s_aMagnification));
      fill_factor(*d, 100, o.MagX);
      fill_factor(*d, 101, o.MagY);
      break;
    case GLYPHOR_ID_OPT_LOGGING:
      d = new RuntimeDialog(parent, desc("Logging", 394, 120, s_aLogging));
      set_check(*d, 110, o.SuppressLogging);
      set_check(*d, 111, o.SuppressMessage);
      set_check(*d, 112, o.LogInWorkingDir);
      break;
    case GLYPHOR_ID_OPT_ANTIALIASING:
      d = new RuntimeDialog(parent, desc("Antialiasing (for standard fonts)", 294, 200, s_aAntialiasing));
      set_check(*d, 110, o.SuppressOptAA);
      set_check(*d, 111, o.EnableGamma);
      break;
    case GLYPHOR_ID_OPT_XBF:
      d = new RuntimeDialog(parent, desc("XBF font options", 314, 120, s_aXbf));
      set_check(*d, 110, o.SuppressDetectXBF);
      break;
    default:
      break;
  }
  return d;
}

void GLYPHOR_ReadOptionDialog(const RuntimeDialog& d, unsigned id, FontOptions* o) {
  switch (id) {
    case GLYPHOR_ID_OPT_COMPATIBILITY:
      o->Compatibility = d.Get<QRadioButton>(121)->isChecked() ? 1 : 0;
      break;
    case GLYPHOR_ID_OPT_MAGNIFICATION:
      o->MagX = d.Get<QComboBox>(100)->currentIndex() + 1;
      o->MagY = d.Get<QComboBox>(101)->currentIndex() + 1;
      break;
    case GLYPHOR_ID_OPT_LOGGING:
      o->SuppressLogging = checked(d, 110);
      o->SuppressMessage = checked(d, 111);
      o->LogInWorkingDir = checked(d, 112);
      break;
    case GLYPHOR_ID_OPT_ANTIALIASING:
      o->SuppressOptAA = checked(d, 110);
      o->EnableGamma = checked(d, 111);
      break;
    case GLYPHOR_ID_OPT_XBF:
      o->SuppressDetectXBF = checked(d, 110);
      break;
    default:
      break;
  }
}

bool GLYPHOR_RunOptionDialog(QWidget* parent, unsigned id, FontOptions* options) {
  RuntimeDialog* d = GLYPHOR_CreateOptionDialog(parent, id, *options);
  if (!d) return false;
  const bool ok = d->exec() == QDialog::Accepted;
  if (ok) GLYPHOR_ReadOptionDialog(*d, id, options);
  delete d;
  return ok;
}
