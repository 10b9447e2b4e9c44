/* Animated cursor of the graphics library, as generated cursor files use it: the bitmaps,
 * the hot spot, a fixed period (0 when each image has its own) and the array of periods. */
#ifndef GUI_ANIM_H
#define GUI_ANIM_H

typedef struct {
  const GUI_BITMAP * const * ppBm;
  int xHot;
  int yHot;
  unsigned Period;
  const unsigned * pPeriod;
  int NumItems;
} GUI_CURSOR_ANIM;

#endif
