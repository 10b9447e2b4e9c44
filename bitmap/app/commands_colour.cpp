// Colour commands: convert, dither, best and custom palette, reduce colours, info.
#include "bitmap/app/commands.h"

const CommandHandler RASTREL_aColourCommands[] = {
    {0, 0, nullptr},
};
