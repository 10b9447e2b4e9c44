// Host of the font converter: the shared host plus every dialog a font command would
// show or ask. The Qt main window implements it; the headless host answers as a job
// does; the tests' recording host records every call. Core code below font/app asks
// nothing of it: the commands ask and pass the answers down.
#pragma once

#include "common/host/app_host.h"
#include "font/app/font_options.h"
#include "font/app/font_requests.h"

struct GlyphorHost : AppHost {
  // Font chooser: face, style and size into request->Lf (height as the logical
  // height; point sizes already converted). False on Cancel.
  virtual bool AskFont(FontCreateRequest* request) = 0;
  // Generation options after the chooser: type, encoding and antialiasing method.
  virtual bool AskGenerationOptions(FontCreateRequest* request) = 0;
  // Range dialog of Enable/Disable characters: first and last code (State is preset).
  virtual bool AskRange(FontRangeRequest* request) = 0;
  // Type of an older XBF file whose type cannot be detected: a font type, or -1.
  virtual int AskXbfType(int preselected) = 0;
  // Value entry: a number between min and max, *value preset. False on Cancel.
  virtual bool AskValue(const char* title, const char* label, int min, int max, int* value) = 0;
  // About box with the program's full title.
  virtual void ShowAbout(const char* title) = 0;
  // Option dialog of the Options menu (780 to 784) on the record read; true on OK.
  // Without a window nobody can choose: Cancel.
  virtual bool AskOptions(unsigned id, FontOptions* options) {
    (void)id;
    (void)options;
    return false;
  }
};

// The installed host (also installed as the shared host); never null.
GlyphorHost* GLYPHOR_Host();
void GLYPHOR_SetHost(GlyphorHost* host);
