// Titles, filters and initial names of the program's own file dialogs.
#include "bitmap/app/file_requests.h"

namespace {

const FileFilter kCustomPalette[] = {{"GUI Palette file (*.GUIPal)", "*.GUIPal"}, {"All files (*.*)", "*.*"}};
const FileFilter kSavePalette[] = {{"Vorix palette file (*.GUIPal)", "*.GUIPal"}};
const FileFilter kGif[] = {{"GIF file (*.gif)", "*.gif"}};
const FileFilter kSprite[] = {{"\"C\" sprite file (*.c)", "*.c"}};
const FileFilter kCursor[] = {{"\"C\" cursor file (*.c)", "*.c"}};

template <int N>
void complete(FileDialogRequest* r, const char* title, const FileFilter (&filters)[N]) {
  if (!r->pTitle) r->pTitle = title;
  if (!r->paFilters || r->NumFilters <= 0) {
    r->paFilters = filters;
    r->NumFilters = N;
  }
  if (r->FilterIndex < 0 || r->FilterIndex >= r->NumFilters) r->FilterIndex = 0;
}

// The path with its extension (after the last dot of the file name) replaced by ext.
std::string with_extension(const std::string& path, const char* ext) {
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
  return (hasExt ? path.substr(0, dot) : path) + "." + ext;
}

}  // namespace

void RASTREL_CompleteCustomPaletteRequest(FileDialogRequest* r) { complete(r, "Open custom palette", kCustomPalette); }

void RASTREL_CompleteSavePaletteRequest(FileDialogRequest* r) {
  complete(r, "Save palette file", kSavePalette);
  if (!r->pDefaultExt) r->pDefaultExt = "GUIPal";
}

void RASTREL_CompleteAnimationGifRequest(FileDialogRequest* r) { complete(r, "Select GIF to convert.", kGif); }

void RASTREL_CompleteAnimationOutputRequest(AnimationKind kind, const std::string& gifPath, FileDialogRequest* r) {
  const bool sprite = kind == ANIMATION_SPRITE;
  if (sprite) complete(r, "Saving animated sprite.", kSprite);
  else complete(r, "Saving animated cursor.", kCursor);
  if (!r->pDefaultExt) r->pDefaultExt = "c";
  if (r->InitialName.empty() && !gifPath.empty()) r->InitialName = with_extension(gifPath, "c");
}
