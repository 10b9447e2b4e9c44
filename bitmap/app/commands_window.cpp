// Commands that only the window offers: the open dialog, copy and paste.
#include <cstdint>
#include <vector>

#include "bitmap/app/command_ids.h"
#include "bitmap/app/command_saveas.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/rastrel_host.h"
#include "bitmap/app/save_name.h"
#include "bitmap/app/window_model.h"
#include "bitmap/formats/bmp/bmp.h"
#include "common/cmdline/cmdline.h"

namespace {

void open_dialog(unsigned) {
  FileDialogRequest request;
  request.pTitle = "Open bitmap file";
  request.paFilters = RASTREL_aOpenFilters;
  request.NumFilters = 2;
  request.InitialName = IMAGE_GetFileName();
  if (!RASTREL_Host()->AskOpenFileName(&request)) return;
  RASTREL_OpenFile(request.Chosen.c_str());
}

void copy(unsigned) {
  const ImageDocument* doc = RASTREL_RequireImage();
  if (!doc) return;
  std::vector<uint8_t> dib(IMAGE_GetDIBSize(doc));
  if (dib.empty() || IMAGE_ToDIB(doc, dib.data()) != dib.size()) return;
  RASTREL_Host()->PutClipboardDib(dib);
}

void paste(unsigned) {
  const std::vector<uint8_t> dib = RASTREL_Host()->GetClipboardDib();
  if (dib.empty()) {
    CMDLINE_Report(MSG_NO_CLIPBOARD_DIB);
    return;
  }
  ImageDocument* doc = IMAGE_FromDIB(dib.data(), dib.size(), nullptr, 0);
  if (!doc) return;
  UNDO_Save();
  IMAGE_SetCurrent(doc);
  IMAGE_SetFileName("");
  RASTREL_SetZoom(RASTREL_InitialZoom(doc->XSize, doc->YSize));
  HOST_Get()->ShowStatus("Image pasted");
  HOST_Get()->Redraw();
}

}  // namespace

void RASTREL_SaveInteractive() {
  const ImageDocument* doc = IMAGE_GetCurrent();
  if (!doc) {
    CMDLINE_Report(MSG_NO_IMAGE_TO_SAVE);
    return;
  }
  const std::string initial = RASTREL_InitialSaveName(IMAGE_GetFileName());
  if (initial != IMAGE_GetFileName()) IMAGE_SetFileName(initial.c_str());
  FileDialogRequest request;
  request.pTitle = "Save bitmap file";
  request.paFilters = RASTREL_aSaveFilters;
  request.NumFilters = RASTREL_NUM_SAVE_FILTERS;
  const int remembered = IMAGE_GetFilterIndex();
  request.FilterIndex = (remembered >= 1 && remembered <= RASTREL_NUM_SAVE_FILTERS) ? remembered - 1 : 0;
  request.InitialName = initial;
  if (!RASTREL_Host()->AskSaveFileName(&request)) return;
  const int type = request.FilterIndex + 1;
  SaveRequest save = {0, 0, type};
  if (type == 1 || type == 3) {
    FormatDialogRequest format;
    format.pDoc = doc;
    format.FileType = type;
    if (!RASTREL_Host()->AskFormat(&format)) return;
    save.Format = format.Format;
    save.WithoutPalette = format.WithoutPalette;
  }
  IMAGE_SetFilterIndex(type);
  if (type != 1 && type != 2) {
    CMDLINE_Report(MSG_ILLEGAL_TYPE);
    return;
  }
  RASTREL_SaveFile(request.Chosen.c_str(), type, &save);
  HOST_Get()->Redraw();
}

const CommandHandler RASTREL_aWindowCommands[] = {
    {ID_FILE_OPEN, ID_FILE_OPEN, open_dialog},
    {ID_EDIT_COPY, ID_EDIT_PASTE, [](unsigned id) { id == ID_EDIT_COPY ? copy(id) : paste(id); }},
    {0, 0, nullptr},
};
