// Command handlers of the bitmap converter, reached by menu command identifier from
// the menus and from command-line jobs alike. Each group of commands keeps its own
// table; the dispatcher searches them in turn.
#pragma once

#include <string>

#include "bitmap/document/image.h"

struct CommandHandler {
  unsigned FirstId;  // the handler serves FirstId..LastId
  unsigned LastId;
  void (*pfHandle)(unsigned id);
};

// Tables end with an entry whose handler is null.
extern const CommandHandler RASTREL_aFileCommands[];       // open, recent, save, exit
extern const CommandHandler RASTREL_aEditCommands[];       // undo (copy and paste need a clipboard)
extern const CommandHandler RASTREL_aColourCommands[];     // convert, dither, palettes, reduce, info
extern const CommandHandler RASTREL_aTransformCommands[];  // flip, rotate, invert, shrink, scale, transparency
extern const CommandHandler RASTREL_aAlphaCommands[];      // create alpha, load alpha mask
extern const CommandHandler RASTREL_aWindowCommands[];     // open dialog, copy, paste

// Delivers a command as the main window's menu command. Unknown identifiers do nothing.
void RASTREL_Execute(unsigned id, unsigned param);
// True when a handler exists for the identifier.
bool RASTREL_HasHandler(unsigned id);

// The current document, or null after reporting that a command needs an image.
struct ImageDocument* RASTREL_RequireImage();
// Operations take the document and return the one that replaces it:
//   ImageDocument* doc = RASTREL_TakeImage();   // the program holds no document now
//   RASTREL_ReplaceImage(IMAGE_FlipH(doc));     // the result becomes current, view redrawn
ImageDocument* RASTREL_TakeImage();
void RASTREL_ReplaceImage(ImageDocument* doc);

// Palette file names the program holds: the custom palette last used and the name
// made for "Save palette" (empty until made); the initial names of their dialogs.
extern std::string RASTREL_CustomPaletteName;
extern std::string RASTREL_SavePaletteName;
