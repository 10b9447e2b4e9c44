// The bitmap converter's host: the shared AppHost plus every dialog a rastrel command
// shows or asks. The Qt main window implements it; a job runs with the headless host,
// which answers each dialog as a job would (Cancel: jobs read their arguments instead).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/host/app_host.h"

struct ImageDocument;

// "Format specification": the C format of a save. In: the document and the file type
// (1 C bitmap, 3 C stream); out on OK: the format number and the palette choice.
struct FormatDialogRequest {
  const ImageDocument* pDoc = nullptr;
  int FileType = 1;
  int Format = 0;
  int WithoutPalette = 0;
};

// "Create Alpha" (two images: over black, over white) and "Load Alpha mask" (one image).
// On OK the host fills the file names the user typed or browsed.
struct AlphaDialogRequest {
  bool MaskOnly = false;  // "Load Alpha mask": only Image1 is asked
  std::string Image1;
  std::string Image2;
};

// Animated sprite (1206) and cursor (1207): the GIF to convert and the C file to write.
// Both dialogs go through the file dialogs: "Select GIF to convert." and "Saving
// animated sprite." / "Saving animated cursor.".
enum AnimationKind { ANIMATION_SPRITE = 6, ANIMATION_CURSOR = 7 };

struct RastrelHost : AppHost {
  // "Format specification"; false on Cancel.
  virtual bool AskFormat(FormatDialogRequest* request) { (void)request; return false; }
  // "Scale Image": on OK the new size (0 or less in a field: the command beeps).
  virtual bool AskScale(const ImageDocument* doc, int32_t* width, int32_t* height) {
    (void)doc, (void)width, (void)height;
    return false;
  }
  // "Transparency": the choice (TRANS_* choices of the transform core) or -1 on Cancel.
  virtual int AskTransparency(const ImageDocument* doc, int initialChoice) {
    (void)doc, (void)initialChoice;
    return -1;
  }
  // "Create Alpha" / "Load Alpha mask"; false on Cancel.
  virtual bool AskAlphaImages(AlphaDialogRequest* request) { (void)request; return false; }
  // The program's file dialogs, each a FileDialogRequest filled by the command:
  // "Open custom palette", "Save palette file", "Open bitmap file", "Save bitmap file",
  // and the GIF and output names of the animation commands. The defaults use the
  // shared open and save dialogs.
  virtual bool AskCustomPalette(FileDialogRequest* request) { return AskOpenFileName(request); }
  virtual bool AskSavePalette(FileDialogRequest* request) { return AskSaveFileName(request); }
  virtual bool AskAnimationGif(AnimationKind kind, FileDialogRequest* request) {
    (void)kind;
    return AskOpenFileName(request);
  }
  virtual bool AskAnimationOutput(AnimationKind kind, FileDialogRequest* request) {
    (void)kind;
    return AskSaveFileName(request);
  }
  // Clipboard: a packed DIB (header, palette, bits) offered as image/bmp and as an image.
  virtual bool PutClipboardDib(const std::vector<uint8_t>& dib) { (void)dib; return false; }
  // The clipboard's image as a packed DIB (image/bmp first, then any image); empty when none.
  virtual std::vector<uint8_t> GetClipboardDib() { return {}; }
};

// The installed host when it is a RastrelHost, else the headless rastrel host (which
// shows what the installed AppHost shows and answers every dialog with Cancel).
RastrelHost* RASTREL_Host();

// Host of unattended jobs: message boxes on standard error, the help listing on
// standard output, every dialog cancelled.
RastrelHost* RASTREL_HeadlessHost();
