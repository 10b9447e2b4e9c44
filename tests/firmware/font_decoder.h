/* Reference text decoder of the firmware check: draws a line of character codes
 * with a GUI_FONT by walking its range chain, as the graphics library does. */
#ifndef FONT_DECODER_H
#define FONT_DECODER_H

#include "GUI.h"

/* Canvas of w x h signed pixels (row-major): 0 background, 1..15 ink, -1 frame.
 * The pen starts at (x0, y0), y0 being the top of the line. Non-zero pixels
 * overwrite. Returns the number of pixels that fell outside the canvas, or -1 when
 * a code is not in the font. */
int FONTDEC_DrawText(const GUI_FONT * pFont, const unsigned short * pCodes, int NumCodes,
                     int x0, int y0, signed char * pCanvas, int w, int h);

#endif
