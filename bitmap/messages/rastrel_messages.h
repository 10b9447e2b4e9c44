// The bitmap converter's numbered messages, by name. A job that ends with the exit
// command after an error exits with the number of the last message plus one. Header
// only, below every library of the bitmap converter, so the image core, the writers
// and the application name the same messages.
#pragma once

enum RastrelMessage {
  MSG_UNKNOWN_ERROR = 0,
  MSG_ILLEGAL_FORMAT = 1,
  MSG_PARSE_ERROR = 2,
  MSG_NOT_HEX = 3,
  MSG_HEX_MISSING = 4,
  MSG_STRING_TOO_LONG = 5,
  MSG_STRING_MISSING = 6,
  MSG_SIZE_MISMATCH = 7,
  MSG_NO_IMAGE_TO_SAVE = 8,
  MSG_INVALID_SEPARATOR = 9,
  MSG_ILLEGAL_TYPE = 10,
  MSG_FORMAT_MISMATCH = 11,
  MSG_ILLEGAL_NOPALETTE = 12,
  MSG_NOPALETTE_MUST_BE_1 = 13,
  MSG_NOPALETTE_INVALID = 14,
  MSG_PALETTE_TOO_LARGE = 15,
  MSG_INVALID_FILE_HANDLE = 16,
  MSG_NO_PALETTE_FOR_TRANS = 17,
  MSG_COLOR_RANGE = 18,
  MSG_COLOR_NOT_FOUND = 19,
  MSG_FILE_NOT_FOUND = 20,
  MSG_ERROR_OPENING_FILE = 21,
  MSG_NO_CLIPBOARD_DIB = 22,
  MSG_NOT_DECIMAL = 23,
  MSG_VALUE_MISSING = 24,
  MSG_ILLEGAL_SIZE = 25,
  MSG_ILLEGAL_NUM_COLORS = 26,
  MSG_COUNT
};

// Message texts indexed by message number.
inline constexpr const char* RASTREL_apMessage[MSG_COUNT] = {
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

// Free text reported when a command that needs an image runs without one.
inline constexpr char RASTREL_acNoImage[] = "No image is open. Open an image before using this command.";
