// Start-up and program-wide state of the bitmap converter: options, recent files,
// the job engine and the file named on the command line.
#pragma once

#include <string>

#include "common/settings/recent_files.h"

extern const char RASTREL_acProductName[];  // "Zentile-BitmapConvert"
extern const char RASTREL_acVersion[];      // "5.46"
extern const char RASTREL_acCaption[];      // "Bitmap Converter"
extern const char RASTREL_acLogFile[];      // "Rastrel.log"
extern const char RASTREL_acRecentKey[];
extern RecentFileList RASTREL_RecentFiles;
enum { RASTREL_RECENT_MAX = 8 };


// Loads options and recent files, configures the job engine, runs the command line
// and returns the process exit code.
int RASTREL_Run(int argc, const char* const* argv);

// Opens an image file (command line, dialog, recent list, drop); 1 on success.
int RASTREL_OpenFile(const char* path);

// "Zentile-BitmapConvert V5.46 - path" or "... - No file".
std::string RASTREL_Title();
// View zoom (1 to 40, factor zoom / 10).
int RASTREL_GetZoom();
void RASTREL_SetZoom(int zoom);
// True once the exit command destroyed the main window.
bool RASTREL_IsWindowDestroyed();
void RASTREL_DestroyWindow();
