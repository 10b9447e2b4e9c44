// Message table of the font converter.
#include "font/model/font_messages.h"

#include <cstdarg>
#include <cstdio>

#include "font/model/font_message.h"

static const char* const s_apText[FONTMSG_COUNT] = {
    "No font data",
    "Wrong separator",
    "Illegal option: %s",
    "Font does not exist",
    "Extended fonts can only be created using Unicode encoding.",
    "Wrong parameters in '-enable' command: First > Last!",
    "Wrong parameters in '-enable' command: Last exceeds 0xFFFF!",
    "Illegal state",
    "First character has to be <= last character!",
    "Fonts of the type Standard 2bpp or 4bpp can not be saved in XBF-format.",
    "Illegal edit commandline parameter %d. Needs to be >0",
    "File extension must be 'XBF' or 'C'",
    "Error reading 'C' file",
    "Argument too long!",
    "Could not create font!",
    "An extended font file requires a true type or an open type font.\r\n"
    "The selected font is not such a font.",
    "Could not open file!",
    "Nothing to save!",
    "Writing error",
    "Overwrite existing file?",
    "The font file has been saved with\nthe following magnification factors:\n\nX: %d\nY: %d",
    "Could not read file!",
    "No font data found in the given file",
    "Unsupported font type",
    "Font height could not be read",
    "Base line could not be read",
    "Error reading the GUI_FONT_PROP structures.",
    "The character information table does not\r\ncontain a valid entry for the following character:\r\n\r\n"
    "Character (hexadecimal):\t0x%X\r\nCharacter (decimal):\t%d",
    "The pixel data of the following character\r\ndoes not contain enough bytes.\r\n\r\n"
    "Character (hexadecimal):\t0x%X\r\nCharacter (decimal):\t%d\r\nExpected number of bytes:\t%d bytes\r\n"
    "Available number of bytes:\t%d bytes",
    "No pixel data found",
    "Could not delete pixel!",
    "Wrong parameters in '-enable' command: First < 0!",
};

const char* FONTMSG_Text(FontMessage id) { return id >= 0 && id < FONTMSG_COUNT ? s_apText[id] : ""; }

// Fills the message's conversions and hands the text to the reporter's entry.
static void deliver(void (*pfSink)(const char*), int id, va_list args) {
  char acText[512];  // far longer than any text with its conversions filled
  std::vsnprintf(acText, sizeof(acText), FONTMSG_Text(static_cast<FontMessage>(id)), args);
  pfSink(acText);
}

void FONTMSG_ReportArgs(int id, ...) {
  va_list args;
  va_start(args, id);
  deliver(FONTMSG_Report, id, args);
  va_end(args);
}

void FONTMSG_NoticeArgs(int id, ...) {
  va_list args;
  va_start(args, id);
  deliver(FONTMSG_Notice, id, args);
  va_end(args);
}
