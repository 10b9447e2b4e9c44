// "Create Alpha" (1204) and "Load Alpha mask" (1205): the dialog names the BMP files,
// the transform reads them; the result replaces the document after an undo step.
// A file that does not open beeps and changes nothing.
#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/rastrel_host.h"
#include "bitmap/transform/transform.h"
#include "common/host/app_host.h"

namespace {

void finish(int result, ImageDocument* made) {
  if (result == ALPHA_EOPEN) HOST_Get()->Beep();
  if (result != ALPHA_OK || !made) return;
  if (IMAGE_GetCurrent()) UNDO_Save();
  RASTREL_ReplaceImage(made);
}

void create_alpha(unsigned) {
  AlphaDialogRequest request;
  if (!RASTREL_Host()->AskAlphaImages(&request)) return;
  ImageDocument* made = nullptr;
  const int result = IMAGE_CreateAlpha(request.Image1.c_str(), request.Image2.c_str(), &made);
  finish(result, made);
}

void load_alpha_mask(unsigned) {
  if (!RASTREL_RequireImage()) return;
  AlphaDialogRequest request;
  request.MaskOnly = true;
  if (!RASTREL_Host()->AskAlphaImages(&request)) return;
  ImageDocument* made = nullptr;
  const int result = IMAGE_LoadAlphaMask(IMAGE_GetCurrent(), request.Image1.c_str(), &made);
  finish(result, made);
}

}  // namespace

const CommandHandler RASTREL_aAlphaCommands[] = {
    {ID_FILE_CREATE_ALPHA, ID_FILE_CREATE_ALPHA, create_alpha},
    {ID_FILE_LOAD_ALPHA_MASK, ID_FILE_LOAD_ALPHA_MASK, load_alpha_mask},
    {0, 0, nullptr},
};
