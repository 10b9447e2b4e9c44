// The bitmap converter's numbered messages. A job that ends with the exit command
// after an error exits with the number of the last message plus one.
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

extern const char* const RASTREL_apMessage[MSG_COUNT];

// Free text reported when a command that needs an image runs without one.
extern const char RASTREL_acNoImage[];
