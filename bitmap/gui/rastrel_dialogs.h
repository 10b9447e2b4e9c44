// The bitmap converter's dialogs, each laid out with Qt layouts in the controls' order.
#pragma once

#include <cstdint>
#include <functional>

#include "bitmap/app/rastrel_host.h"

class QWidget;

// "Format specification"; true on OK with the request filled.
bool RASTREL_RunFormatDialog(QWidget* parent, FormatDialogRequest* request);
// "Scale Image"; true on OK with the new size.
bool RASTREL_RunScaleDialog(QWidget* parent, const ImageDocument* doc, int32_t* width, int32_t* height);
// "Transparency"; the choice or -1 on Cancel.
int RASTREL_RunTransparencyDialog(QWidget* parent, const ImageDocument* doc, int initialChoice);
// "Create Alpha" / "Load Alpha mask"; true on OK with the names typed or browsed.
// Browse asks the host's open dialog and warns through the host.
bool RASTREL_RunAlphaDialog(QWidget* parent, RastrelHost* host, AlphaDialogRequest* request);
// "Options"; applied calls back after every change that reached the program's options.
void RASTREL_RunOptionsDialog(QWidget* parent, std::function<void()> applied);
void RASTREL_RunAboutBox(QWidget* parent);
