// Option dialogs: read, edit the dialog's fields, save.
#include "font/app/option_dialogs.h"

#include "font/app/command_ids.h"
#include "font/app/glyphor_host.h"

namespace {

using F = FontOptions;
const FontOptionDialogFields s_aDialogFields[] = {
    {GLYPHOR_ID_OPT_COMPATIBILITY, {&F::Compatibility}},
    {GLYPHOR_ID_OPT_MAGNIFICATION, {&F::MagX, &F::MagY}},
    {GLYPHOR_ID_OPT_LOGGING, {&F::SuppressLogging, &F::SuppressMessage, &F::LogInWorkingDir}},
    {GLYPHOR_ID_OPT_ANTIALIASING, {&F::SuppressOptAA, &F::EnableGamma}},
    {GLYPHOR_ID_OPT_XBF, {&F::SuppressDetectXBF}},
};

}  // namespace

const FontOptionDialogFields* FONTOPT_DialogFields(unsigned id) {
  for (const FontOptionDialogFields& d : s_aDialogFields)
    if (d.Id == id) return &d;
  return nullptr;
}

void FONTOPT_TakeDialogFields(unsigned id, const FontOptions& edited, FontOptions* stored) {
  if (const FontOptionDialogFields* d = FONTOPT_DialogFields(id))
    for (int32_t FontOptions::*field : d->apField)
      if (field) stored->*field = edited.*field;
}

void GLYPHOR_RunOptionDialog(unsigned id) {
  if (id < GLYPHOR_ID_OPT_COMPATIBILITY || id > GLYPHOR_ID_OPT_XBF) return;
  FontOptions stored;
  FONTOPT_Read(&stored);
  FontOptions edited = stored;
  if (!GLYPHOR_Host()->AskOptions(id, &edited)) return;
  FONTOPT_TakeDialogFields(id, edited, &stored);
  FONTOPT_Save(stored);
}

void FONTOPT_StoreXbfType(int type) {
  FontOptions o;
  FONTOPT_Read(&o);
  o.GetTypeXBF = type;
  FONTOPT_Save(o);
}

void FONTOPT_StorePointMode(int pointMode) {
  FontOptions o;
  FONTOPT_Read(&o);
  o.PointMode = pointMode ? 1 : 0;
  FONTOPT_Save(o);
}
