// GIF block parser and LZW decoder (GIF89a specification, appendix F). Works on the whole
// file in memory; every read checks the bytes left first.
#include <algorithm>
#include <cstring>

#include "bitmap/formats/gif/gif.h"

namespace {

enum { LZW_MAX_CODES = 4096 };

bool take(GifCursor* c, uint32_t n, const uint8_t** pp) {
  if (c->Left < n) return false;
  *pp = c->p;
  c->p += n;
  c->Left -= n;
  return true;
}

int get_byte(GifCursor* c) {
  if (!c->Left) return -1;
  --c->Left;
  return *c->p++;
}

uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// Skips data sub-blocks up to and including the zero-length terminator.
bool skip_sub_blocks(GifCursor* c) {
  for (;;) {
    const int len = get_byte(c);
    if (len < 0) return false;
    if (len == 0) return true;
    const uint8_t* p;
    if (!take(c, static_cast<uint32_t>(len), &p)) return false;
  }
}

// LZW code stream over the concatenated sub-blocks, least significant bit first.
struct LzwReader {
  GifCursor* pCursor;
  uint32_t BlockLeft;
  uint32_t BitBuf;
  int NumBits;
  bool Ended;  // the zero-length sub-block was read
};

int read_code(LzwReader* r, int width) {
  while (r->NumBits < width) {
    if (!r->BlockLeft) {
      if (r->Ended) return -1;
      const int len = get_byte(r->pCursor);
      if (len <= 0) {
        r->Ended = true;
        return -1;
      }
      r->BlockLeft = static_cast<uint32_t>(len);
    }
    const int b = get_byte(r->pCursor);
    if (b < 0) return -1;
    --r->BlockLeft;
    r->BitBuf |= static_cast<uint32_t>(b) << r->NumBits;
    r->NumBits += 8;
  }
  const int code = static_cast<int>(r->BitBuf & ((1u << width) - 1));
  r->BitBuf >>= width;
  r->NumBits -= width;
  return code;
}

struct RowWalker {
  int Row;
  int Pass;  // 0 when not interlaced, else 1..4
  int Height;
};

// Next frame row in file order (GIF89a appendix E); false when every row is done.
bool next_row(RowWalker* w) {
  static const int kStart[5] = {0, 0, 4, 2, 1};
  static const int kStep[5] = {1, 8, 8, 4, 2};
  w->Row += kStep[w->Pass];
  while (w->Row >= w->Height) {
    if (w->Pass == 0 || w->Pass == 4) return false;
    ++w->Pass;
    w->Row = kStart[w->Pass];
  }
  return true;
}

int decode_image_data(GifFrame* f, GifCursor* c, ImageDocument* doc) {
  const int minSize = get_byte(c);
  if (minSize < 0) return GIF_EDATA;
  // A code size of 0 leaves no room for the end code; 12 and more leave none for the table.
  if (minSize < 1 || minSize > 11) return GIF_EDATA;
  if (f->TransIndex >= 0)
    for (int y = 0; y < doc->YSize; ++y) std::memset(IMAGE_GetRow(doc, y), f->TransIndex, static_cast<size_t>(doc->XSize));
  const int clear = 1 << minSize;
  const int end = clear + 1;
  uint16_t prefix[LZW_MAX_CODES];
  uint8_t suffix[LZW_MAX_CODES];
  uint8_t stack[LZW_MAX_CODES + 1];
  int sp = 0;
  int width = minSize + 1;
  int next = clear + 2;
  int prev = -1;
  int first = 0;
  LzwReader r = {c, 0, 0, 0, false};

  const int fw = f->Width, fh = f->Height;
  if (fw == 0 || fh == 0) return GIF_OK;
  RowWalker rows = {0, (f->Flags & 0x40) ? 1 : 0, fh};
  // Rows below the screen are never seen: decoding ends once every row that lands in the
  // document is done, so a huge frame on a small screen cannot keep the decoder busy.
  int rowsLeft = f->Top < doc->YSize && f->Left < doc->XSize ? std::min(fh, doc->YSize - f->Top) : 0;
  if (rowsLeft == 0) return GIF_OK;
  int x = 0;
  uint8_t* dst = nullptr;
  const int y0 = f->Top;
  auto row_ptr = [&](int row) -> uint8_t* {
    const int y = y0 + row;
    return y < doc->YSize ? IMAGE_GetRow(doc, y) : nullptr;
  };
  dst = row_ptr(rows.Row);
  for (;;) {
    if (!sp) {
      int code = read_code(&r, width);
      if (code < 0) return GIF_EDATA;
      if (code == clear) {
        width = minSize + 1;
        next = clear + 2;
        prev = -1;
        continue;
      }
      if (code == end) return GIF_OK;  // pixels not reached keep their fill
      if (prev < 0) {
        if (code > end) return GIF_EDATA;  // no string is defined yet
        stack[sp++] = static_cast<uint8_t>(code);
        first = code;
        prev = code;
      } else {
        const int in = code;
        if (code > next || (code == next && next >= LZW_MAX_CODES)) return GIF_EDATA;  // not in the table
        if (code == next) {
          stack[sp++] = static_cast<uint8_t>(first);  // the KwKwK case
          code = prev;
        }
        while (code > end && sp < LZW_MAX_CODES) {
          stack[sp++] = suffix[code];
          code = prefix[code];
        }
        stack[sp++] = static_cast<uint8_t>(code);
        first = code;
        if (next < LZW_MAX_CODES) {
          prefix[next] = static_cast<uint16_t>(prev);
          suffix[next] = static_cast<uint8_t>(first);
          ++next;
          if (next == (1 << width) && width < 12) ++width;
        }
        prev = in;
      }
    }
    const int pixel = stack[--sp];
    if (pixel >= f->Colors) return GIF_EDATA;
    const int px = f->Left + x;
    if (dst && px < doc->XSize) dst[px] = static_cast<uint8_t>(pixel);
    if (++x == fw) {
      x = 0;
      if (dst && --rowsLeft == 0) return GIF_OK;
      if (!next_row(&rows)) return GIF_OK;
      dst = row_ptr(rows.Row);
    }
  }
}

// Graphic control extension: packed flags, delay in 1/100 s, transparent index.
int read_extension(GifCursor* c, GifInfo* info, GifWalk* w) {
  const int label = get_byte(c);
  if (label < 0) return GIF_EFORMAT;
  if (label == 0x01 || label == 0xFE || label == 0xFF) return skip_sub_blocks(c) ? GIF_OK : GIF_EFORMAT;
  if (label != 0xF9) return GIF_EFORMAT;
  const uint8_t* p;
  if (get_byte(c) != 4 || !take(c, 4, &p) || get_byte(c) < 0) return GIF_EFORMAT;
  const uint32_t delay = u16(p + 1) ? 10u * u16(p + 1) : 100u;
  info->TotalDelay += delay;
  w->Delay = delay;
  // Each extension describes the next image completely: without the flag it has none.
  w->TransIndex = (p[0] & 1) ? p[3] : -1;
  return GIF_OK;
}

}  // namespace

int GIF_BeginWalk(const uint8_t* pData, GifInfo* info, GifWalk* w) {
  *w = GifWalk{{pData, info->ByteCount}, nullptr, 0, 0, -1};
  GifCursor* c = &w->Cursor;
  const uint8_t* p;
  if (!take(c, 6, &p)) return GIF_EFORMAT;
  if (std::memcmp(p, "GIF8", 4) != 0 || (p[4] != '7' && p[4] != '9') || p[5] != 'a') return GIF_EFORMAT;
  if (!take(c, 7, &p)) return GIF_EFORMAT;
  info->Width = u16(p);
  info->Height = u16(p + 2);
  info->Flags = p[4];
  info->GlobalColors = static_cast<uint16_t>(2 << (info->Flags & 7));
  if (info->Width > GIF_MAX_SCREEN_SIZE || info->Height > GIF_MAX_SCREEN_SIZE) return GIF_ETOOLARGE;
  if (info->Flags & 0x80) {
    if (!take(c, 3u * info->GlobalColors, &p)) return GIF_EFORMAT;
    w->pGlobalPalette = p;
  }
  info->TotalDelay = 0;
  return GIF_OK;
}

int GIF_WalkToImage(GifWalk* w, GifInfo* info, GifFrame* pDesc, bool* pTrailer) {
  GifCursor* c = &w->Cursor;
  *pTrailer = false;
  for (;;) {
    const int b = get_byte(c);
    if (b < 0) return GIF_EFORMAT;
    if (b == 0x21) {
      const int status = read_extension(c, info, w);
      if (status) return status;
    } else if (b == 0x2C) {
      const uint8_t* p;
      if (!take(c, 9, &p)) return GIF_EFORMAT;
      pDesc->Left = u16(p);
      pDesc->Top = u16(p + 2);
      pDesc->Width = u16(p + 4);
      pDesc->Height = u16(p + 6);
      pDesc->Flags = p[8];
      return GIF_OK;
    } else if (b == 0x3B) {
      *pTrailer = true;
      return GIF_OK;
    }
  }
}

int GIF_SkipImage(GifWalk* w, const GifFrame* pDesc) {
  GifCursor* c = &w->Cursor;
  const uint32_t localColors = (pDesc->Flags & 0x80) ? (2u << (pDesc->Flags & 7)) : 0;
  const uint8_t* p;
  if (!take(c, 3 * localColors, &p) || get_byte(c) < 0 || !skip_sub_blocks(c)) return GIF_EFORMAT;
  ++w->Frame;
  return GIF_OK;
}

int GIF_DecodeAtWalk(GifWalk* w, GifInfo* info, GifFrame* f) {
  f->Delay = w->Delay;
  f->TransIndex = w->TransIndex;
  f->pPalette = w->pGlobalPalette;
  GifCursor c = w->Cursor;
  return GIF_DecodeFrame(f, w->Frame, info, &c);
}

int GIF_Parse(const uint8_t* pData, GifInfo* info, GifFrame* f, int frameIndex) {
  GifWalk w;
  int status = GIF_BeginWalk(pData, info, &w);
  if (status) return status;
  if (f) w.Delay = f->Delay;  // a frame without an extension keeps what the record holds
  for (;;) {
    GifFrame desc = {};
    bool trailer;
    status = GIF_WalkToImage(&w, info, &desc, &trailer);
    if (status) return status;
    if (trailer) {
      if (f) return GIF_EFORMAT;  // the wanted frame is missing
      if (w.Frame > GIF_MAX_FRAMES) return GIF_EFORMAT;
      info->FrameCount = static_cast<uint16_t>(w.Frame);
      return GIF_OK;
    }
    if (f && w.Frame == frameIndex) {
      f->Left = desc.Left;
      f->Top = desc.Top;
      f->Width = desc.Width;
      f->Height = desc.Height;
      f->Flags = desc.Flags;
      return GIF_DecodeAtWalk(&w, info, f);
    }
    status = GIF_SkipImage(&w, &desc);
    if (status) return status;
  }
}

int GIF_DecodeFrame(GifFrame* f, int frameIndex, GifInfo* info, GifCursor* c) {
  if (f->Flags & 0x80) {
    f->OwnPalette = static_cast<int16_t>(frameIndex);
    f->Colors = static_cast<uint16_t>(2 << (f->Flags & 7));
    if (!take(c, 3u * f->Colors, &f->pPalette)) return GIF_EFORMAT;
  } else {
    if (info->FirstGlobalFrame == -1) info->FirstGlobalFrame = static_cast<int16_t>(frameIndex);
    f->OwnPalette = -1;
    f->Colors = info->GlobalColors;
  }
  if (!f->pPalette) return GIF_EFORMAT;  // neither a local nor a global table
  // A transparent index beyond the table cannot be shown; the frame is treated as opaque.
  if (f->TransIndex >= f->Colors) f->TransIndex = -1;
  if (info->Width == 0 || info->Height == 0) return GIF_EFORMAT;  // no screen to draw on
  ImageDocument* doc = IMAGE_Create(info->Width, info->Height, f->Colors);
  if (!doc) return GIF_ENOMEM;
  for (int i = 0; i < f->Colors; ++i) {
    const uint8_t* e = f->pPalette + 3 * i;
    IMAGE_SetPalColor(doc, i, e[0] | (e[1] << 8) | (e[2] << 16));
  }
  if (f->TransIndex >= 0) IMAGE_SetPalColor(doc, f->TransIndex, 0xFFFFFFFFu);
  const int status = decode_image_data(f, c, doc);
  if (status) {
    IMAGE_Free(doc);
    return status;
  }
  if (info->pfPalette) {
    int clean = -1;
    if (info->FrameCount == 1) {
      clean = f->TransIndex >= 0;
    } else if (f->OwnPalette >= 0) {
      clean = 1;
    }
    if (clean >= 0) {
      if (clean) doc->HasAlpha = 1;
      doc = info->pfPalette(doc, clean);
      if (!doc) return GIF_ENOMEM;
    }
  }
  if (f->TransIndex >= 0) {
    for (int i = 0; i < doc->NumColors; ++i)
      if (IMAGE_GetPalColor(doc, i) == 0xFFFFFFFFu) {
        IMAGE_SetTransIndex(doc, i);
        break;
      }
  }
  f->pImage = doc;
  return GIF_OK;
}
