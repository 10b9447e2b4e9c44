// The options dialog's rules: every change is applied to the program's options at
// once, Apply is enabled while the dialog's values differ from the last applied ones,
// OK stores all five values, Cancel restores the last applied values.
#pragma once

#include "bitmap/app/options.h"

struct OptionsSession {
  RastrelOptions Current;      // the dialog's values
  RastrelOptions LastApplied;  // at first the values it was opened with
  RastrelOptions* pProgram;    // the program's options
};

bool OPTIONS_Equal(const RastrelOptions& a, const RastrelOptions& b);
void OPTSESSION_Begin(OptionsSession* s, RastrelOptions* program);
// A check box, radio button or colour changed: applied to the program at once.
void OPTSESSION_Change(OptionsSession* s, const RastrelOptions& values);
bool OPTSESSION_IsApplyEnabled(const OptionsSession* s);
void OPTSESSION_Apply(OptionsSession* s);
// OK: the dialog's values become the program's and are stored.
void OPTSESSION_Ok(OptionsSession* s);
// Cancel: true when the program's options were restored (the view must be redrawn).
bool OPTSESSION_Cancel(OptionsSession* s);
