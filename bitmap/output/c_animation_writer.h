// C file of an animated sprite or cursor: every frame of an animated GIF as an 8-bit
// palette bitmap, the array of bitmaps, the array of bitmap pointers and the delays, and
// for a cursor the GUI_CURSOR_ANIM that ties them together. The file is written by one
// call per frame, in frame order, each told how many frames still follow.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap/document/image.h"
#include "bitmap/output/c_text_writer.h"

enum { CANIM_KIND_SPRITE = 6, CANIM_KIND_CURSOR = 7 };

// What the whole file is made of; the same for every call of a series.
struct CAnimRequest {
  int Kind;                 // CANIM_KIND_SPRITE or CANIM_KIND_CURSOR
  const char* pOutputPath;  // gives the identifier
  uint32_t TotalDelay;      // milliseconds, for the header's duration
  bool UseARGB;             // 8-digit palette entries
};

// One frame: its decoded image (palette, at most 256 colours) and its colour table.
struct CAnimFrame {
  const ImageDocument* pImage;
  int OwnPalette;        // the frame's index when it has its own colour table, else -1
  int FirstGlobalFrame;  // the first frame decoded with the global table
  uint32_t Delay;        // milliseconds
};

// What the writer keeps between the calls of a series.
struct CAnimWriter {
  struct Entry {
    int XSize, YSize, BytesPerLine;
    int Palette;  // number in the name of the frame's palette
    uint32_t Delay;
  };
  int LastFollowing = -1;  // frames that followed the previous call; -1: no series
  int NumFrames = 0;
  std::vector<Entry> Entries;
  // Palettes written for frames of the global table, to tell whether a later frame can
  // share one of them.
  struct SharedPalette {
    int Name;
    bool HasTrans;
    std::vector<ColorValue> Colors;
  };
  std::vector<SharedPalette> GlobalPalettes;
};

enum {
  CANIM_OK = 0,
  CANIM_ESERIES = 1,  // a call out of order: the series is reset
  CANIM_EREFUSED = 2, // no identifier (reported), or a frame that is not an 8-bit palette image
  CANIM_EWRITE = 3,   // the output failed
  CANIM_ENOMEM = 4,
};

// Writes the next frame of the series; `following` is the number of frames after it. A
// call is accepted as the first of a series or as the direct successor of the previous
// one (following one less); any other call resets the series and fails.
int CANIM_WriteFrame(CAnimWriter* pWriter, CTextWriter* w, const CAnimRequest* pRequest,
                     const CAnimFrame* pFrame, int following);
