// The "Save As" command (1203): arguments from a job's command line, checks, and the
// writer of the chosen file type.
#pragma once

#include "bitmap/document/image.h"
#include "bitmap/output/c_bitmap_writer.h"

void RASTREL_SaveAs(unsigned id);
// Menu form: the save dialog, the format dialog for C files and streams, then the save.
void RASTREL_SaveInteractive();

// Writes the current document to `path` as file type 1 (C bitmap), 2 (BMP), 3 (binary
// stream), 4 (GIF) or 5 (PNG, the save dialog's operation); returns 1 on success. The
// file is replaced only by a complete save. A paletted document saved in a direct-colour
// format is written from a true-colour copy; GIF and PNG replace the document by their
// conversion after an undo step, and that document stays current when the write fails.
int RASTREL_SaveFile(const char* path, int fileType, const SaveRequest* request);
