// BMP file output (file type 2): a 14-byte file header in front of the document's
// packed DIB.
#pragma once

#include "bitmap/document/image.h"
#include "common/output/buffered_writer.h"

// Writes the document through the buffered writer (the caller flushes). Returns false
// when the document has no BMP form or a write failed.
bool BMP_Write(const ImageDocument* doc, OutWriter* out);
