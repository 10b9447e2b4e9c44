// "Save palette": the palette of the current image into a palette file. The first
// proposed name is made once in the user's desktop folder ("Palette_000.GUIPal", the
// first number whose file does not exist) and kept for later calls.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bitmap/app/commands.h"
#include "bitmap/app/rastrel_host.h"
#include "bitmap/app/save_path.h"
#include "bitmap/messages/rastrel_messages.h"
#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/output/palette_file.h"
#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"
#include "common/output/output_file.h"

std::string RASTREL_SavePaletteName;

namespace {

bool is_dir(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// XDG_DESKTOP_DIR, else ~/Desktop, else the home folder, else the working folder.
std::string desktop_folder() {
  if (const char* d = std::getenv("XDG_DESKTOP_DIR"); d && is_dir(d)) return d;
  const char* home = std::getenv("HOME");
  if (home && is_dir(std::string(home) + "/Desktop")) return std::string(home) + "/Desktop";
  if (home && is_dir(home)) return home;
  return ".";
}

}  // namespace

// "<folder>/<base>_NNN<ext>" with the first number from 000 whose file does not exist.
std::string RASTREL_MakeNumberedName(const std::string& folder, const char* base, const char* ext) {
  char name[64];
  for (int i = 0; i < 1000; ++i) {
    std::snprintf(name, sizeof(name), "%s_%03d", base, i);
    std::string path = folder + "/" + name + ext;
    if (!exists(path)) return path;
  }
  return folder + "/" + base + "_999" + ext;
}

void RASTREL_SavePalette(unsigned) {
  ImageDocument* doc = RASTREL_RequireImage();
  if (!doc) return;
  // The menu entry is greyed for images of more than 256 colours.
  if (IMAGE_CountColors(doc) > 256) return;
  if (RASTREL_SavePaletteName.empty()) {
    HOST_Get()->SetWaitCursor(true);
    RASTREL_SavePaletteName = RASTREL_MakeNumberedName(desktop_folder(), "Palette", ".GUIPal");
    HOST_Get()->SetWaitCursor(false);
  }
  static const FileFilter kFilter = {"Vorix palette file (*.GUIPal)", "*.GUIPal"};
  FileDialogRequest request;
  request.pTitle = "Save palette file";
  request.paFilters = &kFilter;
  request.NumFilters = 1;
  request.InitialName = RASTREL_SavePaletteName;
  request.pDefaultExt = "GUIPal";
  if (!RASTREL_Host()->AskSavePalette(&request)) return;
  const std::string& path = request.Chosen;
  // The palette goes through a temporary file: a failed write leaves the old file alone.
  OutputFile out;
  if (!OUTFILE_Open(&out, path.c_str())) {
    RASTREL_ReportOpenFailure(path.c_str(), out.Error);
    return;
  }
  if (PALETTE_Write(doc, out.pStream) != 0) {
    OUTFILE_Abort(&out);
    CMDLINE_ReportText("Error writing file.");
    return;
  }
  // A short write is not success: say so rather than leave a truncated file unnoticed.
  if (!OUTFILE_Commit(&out)) CMDLINE_ReportText("Error writing file.");
}
