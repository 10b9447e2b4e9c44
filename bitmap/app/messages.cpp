// Message table of the bitmap converter, indexed by message number.
#include "bitmap/app/messages.h"

const char* const RASTREL_apMessage[MSG_COUNT] = {
    "Unknown error.",
    "Illegal FORMAT parameter.",
    "Error during command line parsing.",
    "The passed parameter is not a hex value.",
    "Hex value missing.",
    "String too long.",
    "String missing.",
    "The images are not of the same size.",
    "An image needs to be opened before it can be saved.",
    "Invalid separator.",
    "Illegal TYPE parameter.",
    "FORMAT does not match image.",
    "Illegal NOPALETTE parameter.",
    "Parameter NOPALETTE must be set to 1.",
    "Parameter NOPALETTE is invalid.",
    "Palettes are supported with up to 256 entries only.",
    "Invalid file handle.",
    "No palette. Transparency can not be create.",
    "Color needs to be of a value between 0x000000 and 0xFFFFFF.",
    "Color could not be found in the image.",
    "File not found.",
    "Error opening file.",
    "Can not retrieve DIB data from Clipboard.",
    "Not a decimal value.",
    "Missing value.",
    "Illegal size.",
    "Illegal number of colors.",
};

const char RASTREL_acNoImage[] = "No image is open. Open an image before using this command.";
