// "Create animated sprite from GIF..." (1206) and "Create animated cursor from GIF..."
// (1207): every frame of an animated GIF into one C file. The current document is not
// touched. The output goes through a temporary file, so a failure leaves no partial file.
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <vector>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/options.h"
#include "bitmap/app/rastrel_host.h"
#include "bitmap/app/save_path.h"
#include "bitmap/document/file_bytes.h"
#include "bitmap/formats/gif/gif_animation.h"
#include "bitmap/messages/rastrel_messages.h"
#include "bitmap/output/animation_from_gif.h"
#include "bitmap/output/c_bitmap_writer.h"
#include "common/cmdline/cmdline.h"
#include "common/host/app_host.h"
#include "common/output/output_file.h"

namespace {

struct KindTexts {
  const char* pSaveTitle;
  const char* pFilter;
  const char* pStatus;
};

const KindTexts kSprite = {"Saving animated sprite.", "\"C\" sprite file (*.c)", "Saving animated sprite..."};
const KindTexts kCursor = {"Saving animated cursor.", "\"C\" cursor file (*.c)", "Saving animated cursor..."};

// Reads the GIF; false (reported where a message belongs) when it cannot be had.
bool read_gif(const std::string& path, FileBytes* data) {
  size_t size;
  const int status = IMAGE_ReadFileBytes(path.c_str(), GIF_MAX_FILE_SIZE, data, &size);
  switch (status) {
    case FILE_BYTES_OK:
      return true;
    case FILE_BYTES_EOPEN: {
      struct stat st;
      CMDLINE_Report(stat(path.c_str(), &st) != 0 && errno == ENOENT ? MSG_FILE_NOT_FOUND : MSG_INVALID_FILE_HANDLE);
      return false;
    }
    case FILE_BYTES_ESHORT:
      return false;  // a short read ends the command silently
    default:
      CMDLINE_ReportText(IMAGE_FileBytesText(status));
      return false;
  }
}

// The GIF's path with the extension ".c".
std::string c_name(const std::string& gif) {
  const size_t slash = gif.rfind('/');
  const size_t dot = gif.rfind('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return gif.substr(0, dot) + ".c";
  return gif + ".c";
}

const KindTexts* s_pTexts;

void show_frame_status(int) { HOST_Get()->ShowStatus(s_pTexts->pStatus); }

// Decodes and writes every frame; false at the first failure (reported where a text belongs).
bool write_frames(GifAnimation* anim, OutputFile* out, const CAnimRequest* request, const KindTexts* texts) {
  s_pTexts = texts;
  int gifStatus = GIF_OK, writerStatus = CANIM_OK;
  const int result = ANIMGIF_Write(anim, out->pStream, request, show_frame_status, &gifStatus, &writerStatus);
  if (result == ANIMGIF_EDECODE && gifStatus == GIF_EDATA) CMDLINE_ReportText("Image could not be read");
  if (result == ANIMGIF_EDECODE && gifStatus == GIF_ENOMEM) CMDLINE_ReportText(IMAGE_FileBytesText(FILE_BYTES_ENOMEM));
  if (result == ANIMGIF_EWRITER && writerStatus == CANIM_ENOMEM) CMDLINE_ReportText("Not enough memory to save the file.");
  if (result == ANIMGIF_EWRITE) CMDLINE_ReportText("Error writing file.");
  return result == ANIMGIF_OK;
}

}  // namespace

void RASTREL_CreateAnimation(unsigned id) {
  const AnimationKind kind = id == ID_FILE_ANIM_SPRITE ? ANIMATION_SPRITE : ANIMATION_CURSOR;
  const KindTexts* texts = kind == ANIMATION_SPRITE ? &kSprite : &kCursor;
  RastrelHost* host = RASTREL_Host();

  static const FileFilter kGifFilter = {"GIF file (*.gif)", "*.gif"};
  FileDialogRequest open;
  open.pTitle = "Select GIF to convert.";
  open.paFilters = &kGifFilter;
  open.NumFilters = 1;
  open.pDefaultExt = "gif";
  if (!host->AskAnimationGif(kind, &open)) return;
  const std::string gifPath = open.Chosen;
  FileBytes data;
  if (!read_gif(gifPath, &data)) return;

  GifAnimation anim;
  host->SetWaitCursor(true);
  const int counted = GIFANIM_Open(&anim, data.data(), data.size());
  host->SetWaitCursor(false);
  if (counted != GIF_OK || anim.Info.FrameCount == 0) return;  // nothing to write

  const FileFilter cFilter = {texts->pFilter, "*.c"};
  FileDialogRequest save;
  save.pTitle = texts->pSaveTitle;
  save.paFilters = &cFilter;
  save.NumFilters = 1;
  save.InitialName = c_name(gifPath);
  save.pDefaultExt = "c";
  if (!host->AskAnimationOutput(kind, &save)) return;
  const std::string& path = save.Chosen;
  // A name that gives no identifier is refused before the file is touched.
  char identifier[260];
  if (CBITMAP_MakeIdentifier(path.c_str(), identifier, sizeof(identifier)) != 0) return;
  OutputFile out;
  if (!OUTFILE_Open(&out, path.c_str())) {
    RASTREL_ReportOpenFailure(path.c_str(), out.Error);
    return;
  }
  const CAnimRequest request = {kind == ANIMATION_SPRITE ? CANIM_KIND_SPRITE : CANIM_KIND_CURSOR, path.c_str(),
                                anim.TotalDelay, RASTREL_Options.UseARGB != 0};
  host->SetWaitCursor(true);
  const bool ok = write_frames(&anim, &out, &request, texts);
  host->SetWaitCursor(false);
  if (!ok)
    OUTFILE_Abort(&out);
  else if (!OUTFILE_Commit(&out))
    CMDLINE_ReportText("Error writing file.");
  host->ShowStatus("Ready");
}
