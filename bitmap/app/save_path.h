// Completion of a destination file name from the current image's path.
#pragma once

#include <string>

// A missing directory or file name in `name` is taken from `imagePath`; a missing
// extension becomes `defaultExt` (without the dot). A name made of a dot and defaultExt
// alone (".c") is the extension with the file name missing; other names that start with
// a dot are file names (".hidden" gives ".hidden.c").
std::string RASTREL_CompletePath(const char* name, const char* imagePath, const char* defaultExt);

// Reports a destination that cannot be opened for writing (`error` is the errno of
// OUTFILE_Open): a folder of that name is named as such, anything else is message 16.
void RASTREL_ReportOpenFailure(const char* path, int error);
