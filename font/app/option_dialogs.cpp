// Option dialogs: read, edit the dialog's fields, save.
#include "font/app/option_dialogs.h"

#include "font/app/command_ids.h"
#include "font/app/glyphor_host.h"

void FONTOPT_TakeDialogFields(unsigned id, const FontOptions& edited, FontOptions* stored) {
  switch (id) {
    case GLYPHOR_ID_OPT_COMPATIBILITY:
      stored->Compatibility = edited.Compatibility;
      break;
    case GLYPHOR_ID_OPT_MAGNIFICATION:
      stored->MagX = edited.MagX;
      stored->MagY = edited.MagY;
      break;
    case GLYPHOR_ID_OPT_LOGGING:
      stored->SuppressLogging = edited.SuppressLogging;
      stored->SuppressMessage = edited.SuppressMessage;
      stored->LogInWorkingDir = edited.LogInWorkingDir;
      break;
    case GLYPHOR_ID_OPT_ANTIALIASING:
      stored->SuppressOptAA = edited.SuppressOptAA;
      stored->EnableGamma = edited.EnableGamma;
      break;
    case GLYPHOR_ID_OPT_XBF:
      stored->SuppressDetectXBF = edited.SuppressDetectXBF;
      break;
    default:
      break;
  }
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
