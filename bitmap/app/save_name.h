// Names and filters of the interactive save: the numbered name of an unnamed image and
// the save dialog's filters, whose position (from 1) is the file type.
#pragma once

#include <string>

#include "common/host/app_host.h"

enum { RASTREL_NUM_SAVE_FILTERS = 5 };
extern const FileFilter RASTREL_aSaveFilters[RASTREL_NUM_SAVE_FILTERS];
extern const FileFilter RASTREL_aOpenFilters[2];

// "<folder>/<base>_NNN.<ext>" with the first NNN from 000 for which no file exists;
// empty when all thousand exist.
std::string RASTREL_NumberedName(const std::string& folder, const char* base, const char* ext);
// The user's desktop folder: XDG_DESKTOP_DIR, else $HOME/Desktop.
std::string RASTREL_DesktopFolder();
// The initial name of the save dialog for the current file name: the name itself, or a
// numbered "Image_NNN.gif" on the desktop (no name) or in the named folder (no file part).
std::string RASTREL_InitialSaveName(const std::string& current);
