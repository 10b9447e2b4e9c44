// JPEG input and marker segments: bytes arrive in chunks of JPEG_CHUNK_SIZE from the data
// callback; segments (T.81 B.2) are parsed with every length checked against its content.
#include <cstring>

#include "bitmap/formats/jpeg/jpeg_internal.h"

const uint8_t JPEG_ZigZag[64 + 16] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33,
    40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36,
    29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54,
    47, 55, 62, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63};

static int get_u16(JpegDecoder* d) {
  const int a = jpeg_get_byte(d);
  const int b = jpeg_get_byte(d);
  return (a < 0 || b < 0) ? -1 : (a << 8) | b;
}

static int skip_bytes(JpegDecoder* d, int n) {
  for (; n > 0; --n)
    if (jpeg_get_byte(d) < 0) return JPEG_ETRUNCATED;
  return JPEG_OK;
}

int jpeg_get_byte(JpegDecoder* d) {
  if (d->NumPushBack) return d->PushBack[--d->NumPushBack];
  if (!d->ChunkLeft) {
    const uint8_t* p = nullptr;
    const size_t n = d->pfData(d->pContext, &p, JPEG_CHUNK_SIZE, d->Offset);
    if (!n || !p) return -1;
    d->pChunk = p;
    d->ChunkLeft = n < size_t{JPEG_CHUNK_SIZE} ? n : size_t{JPEG_CHUNK_SIZE};
    d->Offset += d->ChunkLeft;
  }
  --d->ChunkLeft;
  return *d->pChunk++;
}

void jpeg_push_back(JpegDecoder* d, uint8_t a, uint8_t b) {
  // Bytes come back out in reverse order of pushing.
  d->PushBack[d->NumPushBack++] = b;
  d->PushBack[d->NumPushBack++] = a;
}

int jpeg_next_marker(JpegDecoder* d) {
  for (;;) {
    int c;
    do {
      c = jpeg_get_byte(d);
      if (c < 0) return -1;
    } while (c != 0xFF);
    do {
      c = jpeg_get_byte(d);
      if (c < 0) return -1;
    } while (c == 0xFF);
    if (c != 0) return c;  // 0xFF 0x00 is stuffed data, not a marker
  }
}

static int read_frame(JpegDecoder* d, int marker) {
  const int len = get_u16(d);
  if (len < 0) return JPEG_ETRUNCATED;
  if (d->FrameSeen) return JPEG_EFORMAT;  // one frame per file
  const int precision = jpeg_get_byte(d);
  const int h = get_u16(d);
  const int w = get_u16(d);
  const int n = jpeg_get_byte(d);
  if (precision < 0 || h < 0 || w < 0 || n < 0) return JPEG_ETRUNCATED;
  if (h == 0 || w == 0 || n == 0 || n > JPEG_MAX_COMPONENTS || len != 8 + 3 * n) return JPEG_EFORMAT;
  d->Precision = precision;
  d->Height = static_cast<uint32_t>(h);
  d->Width = static_cast<uint32_t>(w);
  d->NumComponents = n;
  d->Progressive = marker == 0xC2;
  for (int i = 0; i < n; ++i) {
    const int id = jpeg_get_byte(d);
    const int hv = jpeg_get_byte(d);
    const int tq = jpeg_get_byte(d);
    if (id < 0 || hv < 0 || tq < 0) return JPEG_ETRUNCATED;
    if (tq > 3) return JPEG_EFORMAT;
    JpegComponent& c = d->Comp[i];
    c.Id = static_cast<uint8_t>(id);
    c.H = static_cast<uint8_t>(hv >> 4);
    c.V = static_cast<uint8_t>(hv & 15);
    c.Tq = static_cast<uint8_t>(tq);
  }
  d->FrameSeen = 1;
  return JPEG_OK;
}

static int read_huffman(JpegDecoder* d) {
  int len = get_u16(d);
  if (len < 2) return len < 0 ? JPEG_ETRUNCATED : JPEG_EFORMAT;
  len -= 2;
  while (len > 16) {
    const int tc = jpeg_get_byte(d);
    if (tc < 0) return JPEG_ETRUNCATED;
    const int number = ((tc >> 4) & 15) * 4 + (tc & 15);
    if ((tc >> 4) > 1 || (tc & 15) > 3 || number > 7) return JPEG_EFORMAT;
    JpegHuffTable& t = d->Huff[number];
    int sum = 0;
    t.Counts[0] = 0;
    for (int i = 1; i <= 16; ++i) {
      const int c = jpeg_get_byte(d);
      if (c < 0) return JPEG_ETRUNCATED;
      t.Counts[i] = static_cast<uint8_t>(c);
      sum += c;
    }
    len -= 17;
    if (sum >= 256 || sum > len) return JPEG_EFORMAT;
    for (int i = 0; i < sum; ++i) {
      const int s = jpeg_get_byte(d);
      if (s < 0) return JPEG_ETRUNCATED;
      t.Symbols[i] = static_cast<uint8_t>(s);
    }
    len -= sum;
    t.Present = 1;
    t.Valid = static_cast<uint8_t>(jpeg_build_huffman(&t, number >= 4));
  }
  return skip_bytes(d, len);
}

static int read_quant(JpegDecoder* d) {
  int len = get_u16(d);
  if (len < 2) return len < 0 ? JPEG_ETRUNCATED : JPEG_EFORMAT;
  len -= 2;
  while (len > 0) {
    const int pq = jpeg_get_byte(d);
    if (pq < 0) return JPEG_ETRUNCATED;
    const int table = pq & 15;
    const int wide = (pq >> 4) != 0;
    if (table > 3) return JPEG_EFORMAT;
    len -= 1 + 64 * (wide ? 2 : 1);
    if (len < 0) return JPEG_EFORMAT;
    for (int k = 0; k < 64; ++k) {
      const int v = wide ? get_u16(d) : jpeg_get_byte(d);
      if (v < 0) return JPEG_ETRUNCATED;
      d->Quant[table][k] = static_cast<uint16_t>(v);
      d->QuantNatural[table][JPEG_ZigZag[k]] = static_cast<uint16_t>(v);
    }
    d->QuantPresent[table] = 1;
  }
  return JPEG_OK;
}

static int read_scan_header(JpegDecoder* d) {
  const int len = get_u16(d);
  const int n = jpeg_get_byte(d);
  if (len < 0 || n < 0) return JPEG_ETRUNCATED;
  if (!d->FrameSeen || n == 0 || n > JPEG_MAX_COMPONENTS || len != 6 + 2 * n) return JPEG_EFORMAT;
  d->ScanCount = n;
  for (int i = 0; i < n; ++i) {
    const int id = jpeg_get_byte(d);
    const int tables = jpeg_get_byte(d);
    if (id < 0 || tables < 0) return JPEG_ETRUNCATED;
    int found = -1;
    for (int c = 0; c < d->NumComponents; ++c)
      if (d->Comp[c].Id == id) {
        found = c;
        break;
      }
    if (found < 0) return JPEG_EFORMAT;
    for (int j = 0; j < i; ++j)
      if (d->ScanComp[j] == found) return JPEG_EFORMAT;  // a component appears once per scan
    if ((tables >> 4) > 3 || (tables & 15) > 3) return JPEG_EFORMAT;
    d->ScanComp[i] = found;
    d->Comp[found].Td = static_cast<uint8_t>(tables >> 4);
    d->Comp[found].Ta = static_cast<uint8_t>((tables & 15) + 4);
  }
  const int ss = jpeg_get_byte(d);
  const int se = jpeg_get_byte(d);
  const int a = jpeg_get_byte(d);
  if (ss < 0 || se < 0 || a < 0) return JPEG_ETRUNCATED;
  d->Ss = ss;
  d->Se = se;
  d->Ah = a >> 4;
  d->Al = a & 15;
  if (!d->Progressive) {
    d->Ss = 0;
    d->Se = 63;
    d->Ah = d->Al = 0;
  }
  return JPEG_OK;
}

int jpeg_read_segment(JpegDecoder* d, int marker) {
  switch (marker) {
    case 0xC0:
    case 0xC1:
    case 0xC2:
      return read_frame(d, marker);
    case 0xC4:
      return read_huffman(d);
    case 0xDB:
      return read_quant(d);
    case 0xDD: {
      const int len = get_u16(d);
      const int ri = get_u16(d);
      if (len < 0 || ri < 0) return JPEG_ETRUNCATED;
      if (len != 4) return JPEG_EFORMAT;
      d->RestartInterval = static_cast<uint32_t>(ri);
      return JPEG_OK;
    }
    case 0xEE: {
      const int len = get_u16(d);
      if (len < 0) return JPEG_ETRUNCATED;
      if (len < 14) return JPEG_EFORMAT;
      uint8_t data[12];
      for (int i = 0; i < 12; ++i) {
        const int c = jpeg_get_byte(d);
        if (c < 0) return JPEG_ETRUNCATED;
        data[i] = static_cast<uint8_t>(c);
      }
      d->AdobeTransform = data[11];
      if (data[11] != 1) return JPEG_EUNSUPPORTED;  // RGB, CMYK or YCCK
      return skip_bytes(d, len - 14);
    }
    case 0xDA:
      return read_scan_header(d);
    case 0x01:
    case 0xC8:
    case 0xCC:
    case 0xD0: case 0xD1: case 0xD2: case 0xD3: case 0xD4: case 0xD5: case 0xD6: case 0xD7:
      return JPEG_EFORMAT;
    default: {
      const int len = get_u16(d);
      if (len < 0) return JPEG_ETRUNCATED;
      if (len < 2) return JPEG_EFORMAT;
      return skip_bytes(d, len - 2);
    }
  }
}

int jpeg_process_restart(JpegDecoder* d) {
  jpeg_reset_bits(d);
  const int wanted = 0xD0 + d->NextRestart;
  // The marker normally follows at once. Damaged or padded data before it is skipped up to
  // the next marker; any other marker stays for the marker reader and the rest of the scan
  // decodes from zero bits.
  int m = jpeg_next_marker(d);
  if (m >= 0 && m != wanted) {
    jpeg_push_back(d, 0xFF, static_cast<uint8_t>(m));
    d->MarkerHit = 1;
  }
  for (int i = 0; i < d->NumComponents; ++i) d->Comp[i].DcPred = 0;
  d->EobRun = 0;
  d->RestartsLeft = d->RestartInterval;
  d->NextRestart = (d->NextRestart + 1) & 7;
  return JPEG_OK;
}
