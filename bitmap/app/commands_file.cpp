// File commands: recent files, save, exit.
#include "bitmap/app/command_ids.h"
#include "bitmap/app/command_saveas.h"
#include "bitmap/app/commands.h"
#include "bitmap/app/rastrel_app.h"

static void open_recent(unsigned id) {
  if (const char* path = RECENT_Get(&RASTREL_RecentFiles, id)) {
    const std::string copy = path;  // opening may reorder the list
    RASTREL_OpenFile(copy.c_str());
  }
}

void RASTREL_CreateAnimation(unsigned id);  // command_animation.cpp

static void exit_program(unsigned) { RASTREL_DestroyWindow(); }

const CommandHandler RASTREL_aFileCommands[] = {
    {ID_FILE_RECENT_FIRST, ID_FILE_RECENT_LAST, open_recent},
    {ID_FILE_SAVEAS, ID_FILE_SAVEAS, RASTREL_SaveAs},
    {ID_FILE_ANIM_SPRITE, ID_FILE_ANIM_CURSOR, RASTREL_CreateAnimation},
    {ID_FILE_EXIT, ID_FILE_EXIT, exit_program},
    {0, 0, nullptr},
};
