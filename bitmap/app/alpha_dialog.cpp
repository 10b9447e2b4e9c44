// Texts and checks of the alpha dialogs.
#include "bitmap/app/alpha_dialog.h"

#include <cctype>
#include <cstring>
#include <string>

const char* ALPHADLG_Title(bool maskOnly) { return maskOnly ? "Load Alpha mask" : "Create Alpha"; }

int ALPHADLG_NumFields(bool maskOnly) { return maskOnly ? 1 : 2; }

const char* ALPHADLG_FieldLabel(bool maskOnly, int field) {
  if (maskOnly) return "Image:";
  return field == 0 ? "Image 1:" : "Image 2:";
}

FileDialogRequest ALPHADLG_BrowseRequest(const char* currentName) {
  static const FileFilter kFilter = {"Bitmap file (*.bmp)", "*.bmp"};
  FileDialogRequest request;
  request.pTitle = "Select Image";
  request.paFilters = &kFilter;
  request.NumFilters = 1;
  request.InitialName = currentName ? currentName : "";
  return request;
}

bool ALPHADLG_IsBmpName(const char* name) {
  const char* slash = std::strrchr(name, '/');
  const char* dot = std::strrchr(slash ? slash + 1 : name, '.');
  if (!dot) return false;
  std::string ext(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".bmp";
}
