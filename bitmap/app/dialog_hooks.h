// Dialogs the colour and transform commands open interactively. The GUI installs them;
// without one the command does nothing beyond its checks (a headless program has no
// dialogs, and jobs read their arguments instead).
#pragma once

#include <cstdint>
#include <string>

struct ImageDocument;

struct RastrelDialogs {
  // "Open custom palette" (filters "GUI Palette file (*.GUIPal)", "All files (*.*)").
  bool (*pfOpenCustomPalette)(const char* initialName, std::string* chosen);
  // "Save palette file" (filter "Vorix palette file (*.GUIPal)").
  bool (*pfSavePalette)(const char* initialName, std::string* chosen);
  // "Transparency": returns the choice (TRANS_* of bitmap/image/transform.h) or -1.
  int (*pfTransparency)(const ImageDocument* doc, int initialChoice);
  // "Scale Image": false on Cancel; on OK the new size (see scale_dialog.h).
  bool (*pfScale)(const ImageDocument* doc, int32_t* width, int32_t* height);
};

extern RastrelDialogs RASTREL_Dialogs;

// Palette file names the program holds: the custom palette last used and the name
// made for "Save palette" (empty until made).
extern std::string RASTREL_CustomPaletteName;
extern std::string RASTREL_SavePaletteName;
