// Message boxes of the converters: warnings and Yes/No questions, with the caption the
// program gives (the application name when none is given).
#pragma once

class QWidget;

void GUI_Warning(QWidget* parent, const char* caption, const char* text);
// True only for Yes.
bool GUI_AskYesNo(QWidget* parent, const char* caption, const char* text);
