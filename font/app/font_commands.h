// Command set of the font converter: the command table with its help texts and the
// handlers of create, enable, saveas and nomessages; the current font slot.
#pragma once

#include "common/cmdline/cmdline.h"
#include "font/model/font_doc.h"

enum { FONTCMD_ID_EXIT = 528 };

extern const CmdlineCommand g_aFontCommands[];

// The current font (null before the first create or load).
FontDoc* FONTAPP_GetFont();
// Replaces the current font; the previous one is destroyed.
void FONTAPP_SetFont(FontDoc* doc);

// Loads a font file named on the command line or dropped (".xbf" now; ".c" needs the
// C reader of a later version). Returns true when a font resulted.
bool FONTAPP_LoadFontFile(const char* path);

// The create help text (one string, lines joined by "\r\n").
const char* FONTCMD_CreateHelp();
