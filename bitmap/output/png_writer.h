// PNG writer through libpng: 8-bit RGBA rows of a true-colour document, alpha stored as
// 255 - transparency byte.
#pragma once

#include <cstdio>

#include "bitmap/document/image.h"

// Writes the whole file. Returns false after reporting "Error writing PNG: <reason>"
// when libpng or a write fails; false without a report for a document that is not
// true colour.
bool PNG_Write(const ImageDocument* doc, FILE* file);
