/* Font types of the graphics library, as generated font files use them. */
#ifndef GUI_FONT_H
#define GUI_FONT_H

#endif
