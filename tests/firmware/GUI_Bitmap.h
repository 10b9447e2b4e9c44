/* Bitmap types of the graphics library, as generated bitmap files use them. */
#ifndef GUI_BITMAP_H
#define GUI_BITMAP_H

#endif
