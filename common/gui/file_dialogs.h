// Open and save dialogs of both converters, on the desktop's file dialog: filters in
// the program's order, the chosen filter index returned, and in the save dialog the
// file name following the chosen filter. No overwrite question.
#pragma once

#include "common/host/app_host.h"

class QWidget;

bool GUI_AskOpenFileName(QWidget* parent, FileDialogRequest* request);
bool GUI_AskSaveFileName(QWidget* parent, FileDialogRequest* request);
