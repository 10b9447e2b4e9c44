// Message reporter of the font converter: the one way every font operation shows,
// logs or hands to the job engine a message.
#pragma once

#include "common/version/version.h"

// Application name used as message-box caption, settings key part and in file headers.
#define FONT_APP_NAME VORIX_FONT_PRODUCT
#define FONT_APP_VERSION VORIX_VERSION_TEXT

// Reports an error or warning: to the message log in no-message mode, to the job
// engine in job mode, else to a warning box. A report made while another one is in
// progress is dropped. Every accepted report counts as a failure of the run.
void FONTMSG_Report(const char* text);
// Information that is not a failure (for example the magnification note after a
// save): message log in no-message mode, else a box (one standard-error line headless).
void FONTMSG_Notice(const char* text);

void FONTMSG_SetNoMessages(bool on);
bool FONTMSG_IsNoMessages();
// Path of the message log used in no-message mode (empty: nothing is logged).
void FONTMSG_SetLogPath(const char* path);
// Number of reports accepted since start (or the last reset).
int FONTMSG_GetReportCount();
void FONTMSG_Reset();
