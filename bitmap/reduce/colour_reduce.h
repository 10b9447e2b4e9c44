// Colour reduction of the image document: conversion and dithering to a colour
// format, best palette (with and without a transparent colour), custom palette,
// colour reduction and colour counting. Each operation takes a document and returns
// the one that replaces it; the input is freed unless stated. When an operation cannot
// complete (no memory), it reports nothing new and returns its input unchanged.
#pragma once

#include "bitmap/document/image.h"
#include "colour/colour_format.h"

int IMAGE_CountColors(ImageDocument* doc);
int IMAGE_FindNearestColor(ColorValue color, const ColorTable* table);
ImageDocument* IMAGE_ConvertToPalette(int numColors, ImageDocument* doc, const ColorTable* table,
                                      int freeInput);
ImageDocument* IMAGE_ConvertToFormat(ImageDocument* doc, const ColorFormat* format);
ImageDocument* IMAGE_DitherToFormat(ImageDocument* doc, const ColorFormat* format);
int IMAGE_GetBestPalette(int maxColors, ImageDocument* doc);
ImageDocument* IMAGE_ConvertToBestPalette(ImageDocument* doc);
ImageDocument* IMAGE_ConvertToBestPaletteTrans(ImageDocument* doc, ColorValue transColor);
ImageDocument* IMAGE_ReduceColors(ImageDocument* doc, int numColors);
ImageDocument* IMAGE_ConvertToCustomPalette(ImageDocument* doc);

// The preserve-transparency option read by the conversions (the application copies
// its PreserveTrans setting here before a colour command runs).
void IMAGE_SetPreserveTrans(int on);
int IMAGE_GetPreserveTrans();
