// The "Save As" command (1203): arguments from a job's command line, checks, and the
// writer of the chosen file type.
#pragma once

#include "bitmap/document/image.h"
#include "bitmap/output/c_bitmap_writer.h"

void RASTREL_SaveAs(unsigned id);
// Menu form: the save dialog, the format dialog for C files and streams, then the save.
void RASTREL_SaveInteractive();

// Writes the current document to `path` as file type 1 (C bitmap) or 2 (BMP); returns 1
// on success. A paletted document saved in a direct-colour format is written from a
// true-colour copy; the document and the undo stack are not touched.
int RASTREL_SaveFile(const char* path, int fileType, const SaveRequest* request);
