// Edit commands. Copy and paste exchange DIBs with the clipboard of the main window.
#include "bitmap/app/command_ids.h"
#include "bitmap/app/commands.h"
#include "bitmap/document/image.h"

static void undo(unsigned) { UNDO_Undo(); }

const CommandHandler RASTREL_aEditCommands[] = {
    {ID_EDIT_UNDO, ID_EDIT_UNDO, undo},
    {0, 0, nullptr},
};
