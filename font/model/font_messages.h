// The font converter's message texts, one table used by every layer through these
// names. Texts with a conversion take their argument through FONTMSG_ReportMsg.
#pragma once

#include "font/model/font_message.h"

enum FontMessage : int {
  FONTMSG_NO_FONT,  // "No font data"
  FONTMSG_WRONG_SEPARATOR,
  FONTMSG_ILLEGAL_OPTION,  // %s: the word
  FONTMSG_FONT_NOT_FOUND,
  FONTMSG_EXT_NEEDS_UNICODE,
  FONTMSG_ENABLE_FIRST_GT_LAST,
  FONTMSG_ENABLE_LAST_TOO_BIG,
  FONTMSG_ILLEGAL_STATE,
  FONTMSG_RANGE_ORDER,
  FONTMSG_XBF_OF_AA,
  FONTMSG_EDIT_COUNT,  // %d: the count
  FONTMSG_BAD_EXTENSION,
  FONTMSG_READ_C_FAILED,
  FONTMSG_ARG_TOO_LONG,
  FONTMSG_CREATE_FAILED,
  FONTMSG_NOT_TRUETYPE,
  FONTMSG_OPEN_FAILED,
  FONTMSG_NOTHING_TO_SAVE,
  FONTMSG_WRITE_ERROR,
  FONTMSG_OVERWRITE,
  FONTMSG_MAGNIFIED,  // %d, %d: magnification X and Y
  FONTMSG_READ_FAILED,
  FONTMSG_NO_FONT_DATA,
  FONTMSG_UNSUPPORTED_TYPE,
  FONTMSG_NO_HEIGHT,
  FONTMSG_NO_BASELINE,
  FONTMSG_BAD_RANGE_STRUCT,
  FONTMSG_BAD_CHARINFO,       // %X, %d: the code
  FONTMSG_SHORT_PIXEL_DATA,   // %X, %d, %d, %d: code, code, expected and found bytes
  FONTMSG_NO_PIXEL_DATA,
  FONTMSG_DELETE_PIXEL,
  FONTMSG_ENABLE_FIRST_NEGATIVE,
  FONTMSG_COUNT
};

// The text (with its conversions) of a message.
const char* FONTMSG_Text(FontMessage id);
// The reporters' variadic entries; the message comes as an int, a type that variadic
// argument passing leaves as it is.
void FONTMSG_ReportArgs(int id, ...);
void FONTMSG_NoticeArgs(int id, ...);

// Reports the message as FONTMSG_Report does, its conversions filled from the arguments.
template <typename... Args>
inline void FONTMSG_ReportMsg(FontMessage id, Args... args) {
  FONTMSG_ReportArgs(id, args...);
}
// Information that is not a failure, as FONTMSG_Notice.
template <typename... Args>
inline void FONTMSG_NoticeMsg(FontMessage id, Args... args) {
  FONTMSG_NoticeArgs(id, args...);
}
