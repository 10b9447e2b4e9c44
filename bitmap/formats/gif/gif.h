// GIF reader (GIF87a and GIF89a): block parser, LZW decoder, interlace, graphic control
// extension, global and local colour tables. The file reader loads the first frame; the
// animated sprite writer counts the frames and decodes them one by one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/document/image.h"

#define GIF_MAX_FILE_SIZE 8000000u
#define GIF_MAX_SCREEN_SIZE 2000
#define GIF_MAX_FRAMES 65535  // the frame count is a 16-bit field

enum {
  GIF_OK = 0,
  GIF_EFORMAT = 1,   // not a GIF, or a damaged block structure
  GIF_ETOOLARGE = 2, // logical screen wider or higher than GIF_MAX_SCREEN_SIZE
  GIF_EDATA = 3,     // the image data could not be decoded ("Image could not be read")
  GIF_ENOMEM = 4,    // the document could not be allocated
};

// Replaces a freshly decoded frame's document by one with a cleaned-up palette (withTrans:
// the frame has a transparent colour, which arrives as 0xFFFFFFFF). Returns the new
// document (the input is consumed) or null.
typedef ImageDocument* (*GIF_PaletteFunc)(ImageDocument* doc, int withTrans);

struct GifInfo {
  uint32_t TotalDelay;       // milliseconds, over all graphic control extensions met
  uint32_t ByteCount;        // bytes available to the parser
  int16_t FirstGlobalFrame;  // first frame decoded with the global table; the caller sets -1
  uint16_t GlobalColors;
  uint16_t FrameCount;       // set by a complete walk; the file reader sets 1
  uint16_t Width, Height;    // logical screen
  uint8_t Flags;             // logical screen descriptor flags
  GIF_PaletteFunc pfPalette; // palette clean-up, or null to keep the file's table
};

struct GifFrame {
  const uint8_t* pPalette;   // colour table used, inside the file buffer (null: none)
  ImageDocument* pImage;     // the decoded frame; owned by the caller
  uint32_t Delay;            // milliseconds
  int16_t TransIndex;        // -1 for none
  int16_t OwnPalette;        // frame index when it has a local table, else -1
  uint16_t Colors;
  uint16_t Width, Height, Left, Top;
  uint8_t Flags;             // image descriptor flags
};

struct GifCursor {
  const uint8_t* p;
  uint32_t Left;
};

// A walk through the blocks of a file in memory, one image at a time. It holds the state
// of the last graphic control extension met, which applies to the images that follow.
struct GifWalk {
  GifCursor Cursor;
  const uint8_t* pGlobalPalette;  // null without a global table
  int Frame;                      // index of the next image descriptor
  uint32_t Delay;                 // milliseconds, of the last graphic control extension
  int16_t TransIndex;             // of the last graphic control extension, -1 for none
};

// Reads header, logical screen descriptor and global table into pInfo (TotalDelay 0).
int GIF_BeginWalk(const uint8_t* pData, GifInfo* pInfo, GifWalk* pWalk);
// Reads blocks up to the next image descriptor (its position, size and flags into
// pDesc) or the trailer (*pTrailer true). Extensions met update the walk and TotalDelay.
int GIF_WalkToImage(GifWalk* pWalk, GifInfo* pInfo, GifFrame* pDesc, bool* pTrailer);
// Decodes the image whose descriptor was just read into pFrame (descriptor fields set by
// the caller), with the walk's extension state and tables; the walk does not move.
int GIF_DecodeAtWalk(GifWalk* pWalk, GifInfo* pInfo, GifFrame* pFrame);
// Moves the walk past the image whose descriptor was just read.
int GIF_SkipImage(GifWalk* pWalk, const GifFrame* pDesc);

// Without a frame record: walks the whole file and fills FrameCount and TotalDelay. With
// one: stops at frame `frameIndex` and decodes it into pFrame->pImage. 0 or GIF_E*.
// pInfo->ByteCount must hold the size of pData. No messages.
int GIF_Parse(const uint8_t* pData, GifInfo* pInfo, GifFrame* pFrame, int frameIndex);
// Decodes the frame whose image descriptor was just read; the cursor is at the local
// colour table or the image data.
int GIF_DecodeFrame(GifFrame* pFrame, int frameIndex, GifInfo* pInfo, GifCursor* pCursor);

// Palette clean-up of the file reader: "Best palette", or "Best palette + transparency"
// with the transparent colour 0xFFFFFF when withTrans.
ImageDocument* GIF_CleanUpPalette(ImageDocument* doc, int withTrans);

// Reads a file and returns its first frame, warnings reported.
ImageDocument* GIF_Read(const char* path);
inline ImageDocument* IMAGE_ReadGIF(const char* path) { return GIF_Read(path); }
