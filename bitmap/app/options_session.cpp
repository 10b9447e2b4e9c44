// Apply and Cancel semantics of the options dialog.
#include "bitmap/app/options_session.h"

bool OPTIONS_Equal(const RastrelOptions& a, const RastrelOptions& b) {
  return a.BkColor == b.BkColor && a.ViewOption == b.ViewOption && a.PreserveTrans == b.PreserveTrans &&
         a.BigEndianMode == b.BigEndianMode && a.UseARGB == b.UseARGB;
}

void OPTSESSION_Begin(OptionsSession* s, RastrelOptions* program) {
  s->pProgram = program;
  s->Current = *program;
  s->LastApplied = *program;
}

void OPTSESSION_Change(OptionsSession* s, const RastrelOptions& values) {
  s->Current = values;
  *s->pProgram = values;
}

bool OPTSESSION_IsApplyEnabled(const OptionsSession* s) { return !OPTIONS_Equal(s->Current, s->LastApplied); }

void OPTSESSION_Apply(OptionsSession* s) { s->LastApplied = s->Current; }

void OPTSESSION_Ok(OptionsSession* s) {
  *s->pProgram = s->Current;
  OPTIONS_Save(s->pProgram);
}

bool OPTSESSION_Cancel(OptionsSession* s) {
  if (OPTIONS_Equal(*s->pProgram, s->LastApplied)) return false;
  *s->pProgram = s->LastApplied;
  return true;
}
