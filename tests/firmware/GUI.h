/* The tests' own declarations of the graphics-library types that generated C files
 * refer to. Written from the output layouts; compiled with -std=c99 -pedantic. */
#ifndef GUI_H
#define GUI_H

#include <stddef.h>

#ifndef GUI_USE_ARGB
  #define GUI_USE_ARGB 0
#endif

#define GUI_CONST_STORAGE const

typedef unsigned long GUI_COLOR;

#include "GUI_Bitmap.h"
#include "GUI_Anim.h"
#include "GUI_Font.h"

#endif
