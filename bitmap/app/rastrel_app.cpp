// Bitmap converter start-up: settings, recent files, readers, job engine.
#include "bitmap/app/rastrel_app.h"

#include <cstdio>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/command_table.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/image_readers.h"
#include "bitmap/messages/rastrel_messages.h"
#include "bitmap/app/options.h"
#include "bitmap/document/image.h"
#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"
#include "common/version/version.h"

const char RASTREL_acProductName[] = VORIX_BITMAP_PRODUCT;
const char RASTREL_acVersion[] = VORIX_VERSION_TEXT;
const char RASTREL_acCaption[] = "Bitmap Converter";
const char RASTREL_acLogFile[] = "Rastrel.log";
const char RASTREL_acRecentKey[] = "Software\\Tavrex\\Rastrel\\Recent File List\\";
RecentFileList RASTREL_RecentFiles;

static int s_zoom = 20;
static bool s_destroyed;

int RASTREL_Run(int argc, const char* const* argv) {
  OPTIONS_Load(&RASTREL_Options);
  RECENT_Init(&RASTREL_RecentFiles, RASTREL_acRecentKey, RASTREL_RECENT_MAX,
              ID_FILE_RECENT_FIRST);
  RASTREL_RegisterReaders();
  CmdlineConfig config;
  config.pCaption = RASTREL_acCaption;
  config.pLogFileName = RASTREL_acLogFile;
  config.ExitId = ID_FILE_EXIT;
  config.pfExecute = RASTREL_Execute;
  config.papMessages = RASTREL_apMessage;
  config.NumMessages = MSG_COUNT;
  CMDLINE_Init(config);
  CMDLINE_Run(argc, argv, RASTREL_aCommand, RASTREL_OpenFile);
  return CMDLINE_GetExitCode();
}

int RASTREL_OpenFile(const char* path) {
  ImageDocument* doc = IMAGE_LoadFile(path);
  if (!doc) return 0;
  RECENT_Add(&RASTREL_RecentFiles, path);
  s_zoom = (doc->XSize <= 300 && doc->YSize <= 300) ? 20 : 10;
  HOST_Get()->Redraw();
  return 1;
}

std::string RASTREL_Title() {
  char name[64];
  std::snprintf(name, sizeof(name), "%s V%d.%.2d", RASTREL_acProductName, VORIX_VERSION_MAJOR,
                VORIX_VERSION_MINOR);
  const char* file = IMAGE_GetFileName();
  return std::string(name) + " - " + (*file ? file : "No file");
}

int RASTREL_GetZoom() { return s_zoom; }
void RASTREL_SetZoom(int zoom) { s_zoom = zoom < 1 ? 1 : (zoom > 40 ? 40 : zoom); }
bool RASTREL_IsWindowDestroyed() { return s_destroyed; }

void RASTREL_DestroyWindow() {
  s_destroyed = true;
  HOST_Get()->Quit();
}
