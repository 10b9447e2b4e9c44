// Geometry and tonal commands: flip, rotate, invert, shrink, scale, transparency.
#include "bitmap/app/commands.h"

const CommandHandler RASTREL_aTransformCommands[] = {
    {0, 0, nullptr},
};
