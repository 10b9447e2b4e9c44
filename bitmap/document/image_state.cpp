// Program-wide image state: the current document, its file name, the two colour
// tables and the progress and reporting sinks (the host and the job engine).
#include <string>

#include "bitmap/document/image.h"
#include "common/cmdline/cmdline.h"
#include "common/host/app_host.h"

static ImageDocument* s_current;
static std::string s_fileName;
static int s_filterIndex = 2;
static ColorValue s_customColors[256];
static ColorValue s_bestColors[256];

ColorTable IMAGE_CustomPalette = {256, s_customColors};
ColorTable IMAGE_BestPalette = {256, s_bestColors};

ImageDocument* IMAGE_GetCurrent() { return s_current; }

void IMAGE_SetCurrent(ImageDocument* doc) {
  if (s_current != doc) IMAGE_Free(s_current);
  s_current = doc;
}

ImageDocument* IMAGE_DetachCurrent() {
  ImageDocument* doc = s_current;
  s_current = nullptr;
  return doc;
}

const char* IMAGE_GetFileName() { return s_fileName.c_str(); }
void IMAGE_SetFileName(const char* path) { s_fileName = path ? path : ""; }
int IMAGE_GetFilterIndex() { return s_filterIndex; }
void IMAGE_SetFilterIndex(int index) { s_filterIndex = index; }

void IMAGE_Progress(const char* text) { HOST_Get()->ShowProgress(text); }

void IMAGE_Warning(const char* text) { CMDLINE_ReportText(text); }
void IMAGE_Message(RastrelMessage message) { CMDLINE_Report(message); }
