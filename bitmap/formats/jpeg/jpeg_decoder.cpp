// JPEG frame driver: a header pass learns the frame and creates the document, then the
// decode pass runs every scan. Sequential images with all components in one scan are
// decoded and output one MCU row at a time; progressive images (and sequential ones
// split into several scans) keep all coefficients until the end of the image.
#include <cstdlib>
#include <cstring>

#include "bitmap/formats/jpeg/jpeg_internal.h"

namespace {

struct MemorySource {
  const uint8_t* pData;
  size_t Size;
};

size_t memory_data(void* pContext, const uint8_t** ppData, size_t numBytes, size_t offset) {
  const auto* src = static_cast<const MemorySource*>(pContext);
  if (offset >= src->Size) return 0;
  *ppData = src->pData + offset;
  const size_t left = src->Size - offset;
  return numBytes < left ? numBytes : left;
}

void rewind_input(JpegDecoder* d) {
  d->Offset = 0;
  d->pChunk = nullptr;
  d->ChunkLeft = 0;
  d->NumPushBack = 0;
  jpeg_reset_bits(d);
}

int expect_soi(JpegDecoder* d) {
  return (jpeg_get_byte(d) == 0xFF && jpeg_get_byte(d) == 0xD8) ? JPEG_OK : JPEG_ENOTJPEG;
}

// Header pass: markers up to the frame header.
int read_header(JpegDecoder* d) {
  int status = expect_soi(d);
  if (status) return status;
  for (;;) {
    const int m = jpeg_next_marker(d);
    if (m < 0) return JPEG_ETRUNCATED;
    if (m == 0xD8 || m == 0xD9 || m == 0xDA) return JPEG_EFORMAT;  // no frame before these
    if ((m >= 0xC3 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC)) return JPEG_EUNSUPPORTED;
    status = jpeg_read_segment(d, m);
    if (status) return status;
    if (d->FrameSeen) return JPEG_OK;
  }
}

// Sampling layout and MCU geometry; refuses what the decoder does not handle.
int set_mode(JpegDecoder* d) {
  if (d->Precision != 8) return JPEG_EUNSUPPORTED;
  if (d->NumComponents == 1) {
    d->Mode = JPEG_MODE_GREY;
    d->Comp[0].H = d->Comp[0].V = 1;  // a single component is never interleaved
  } else if (d->NumComponents == 3) {
    for (int i = 1; i < 3; ++i)
      if (d->Comp[i].H != 1 || d->Comp[i].V != 1) return JPEG_EUNSUPPORTED;
    const int h = d->Comp[0].H, v = d->Comp[0].V;
    if (h == 1 && v == 1) d->Mode = JPEG_MODE_H1V1;
    else if (h == 2 && v == 1) d->Mode = JPEG_MODE_H2V1;
    else if (h == 1 && v == 2) d->Mode = JPEG_MODE_H1V2;
    else if (h == 2 && v == 2) d->Mode = JPEG_MODE_H2V2;
    else return JPEG_EUNSUPPORTED;
  } else {
    return JPEG_EUNSUPPORTED;
  }
  d->Hmax = d->Comp[0].H;
  d->Vmax = d->Comp[0].V;
  d->McuWidth = 8 * d->Hmax;
  d->McuHeight = 8 * d->Vmax;
  d->McusX = (d->Width + d->McuWidth - 1) / d->McuWidth;
  d->McusY = (d->Height + d->McuHeight - 1) / d->McuHeight;
  for (int i = 0; i < d->NumComponents; ++i) {
    JpegComponent& c = d->Comp[i];
    c.BlocksWide = d->McusX * c.H;
    c.BlocksHigh = d->McusY * c.V;
    const uint32_t w = (d->Width * c.H + d->Hmax - 1) / d->Hmax;
    const uint32_t h = (d->Height * c.V + d->Vmax - 1) / d->Vmax;
    c.UsedWide = (w + 7) / 8;
    c.UsedHigh = (h + 7) / 8;
  }
  return JPEG_OK;
}

int allocate_output(JpegDecoder* d) {
  size_t total = 0;
  for (int i = 0; i < d->NumComponents; ++i) {
    d->Comp[i].PlaneStride = static_cast<size_t>(d->Comp[i].BlocksWide) * 8;
    total += d->Comp[i].PlaneStride * d->Comp[i].V * 8;
  }
  d->pPlaneMemory = static_cast<uint8_t*>(std::calloc(1, total));
  if (!d->pPlaneMemory) return JPEG_ENOMEM;
  d->TermsStride = static_cast<size_t>(d->McusX) * d->McuWidth;
  d->pChromaTerms = static_cast<int16_t*>(std::calloc(6 * d->TermsStride, sizeof(int16_t)));
  if (!d->pChromaTerms) return JPEG_ENOMEM;
  uint8_t* p = d->pPlaneMemory;
  for (int i = 0; i < d->NumComponents; ++i) {
    d->Comp[i].pPlane = p;
    p += d->Comp[i].PlaneStride * d->Comp[i].V * 8;
  }
  return JPEG_OK;
}

// Bytes of the whole-image coefficients: 64 16-bit values per block of every component.
uint64_t coefficient_bytes(const JpegDecoder* d) {
  uint64_t total = 0;
  for (int i = 0; i < d->NumComponents; ++i)
    total += static_cast<uint64_t>(d->Comp[i].BlocksWide) * d->Comp[i].BlocksHigh * 128;
  return total;
}

int allocate_coefficients(JpegDecoder* d) {
  if (!IMAGE_FitsLimits(d->Width, d->Height, coefficient_bytes(d))) return JPEG_ETOOLARGE;
  for (int i = 0; i < d->NumComponents; ++i) {
    JpegComponent& c = d->Comp[i];
    if (c.pCoefs) continue;
    const uint64_t blocks = static_cast<uint64_t>(c.BlocksWide) * c.BlocksHigh;
    if (blocks > SIZE_MAX / 128) return JPEG_ENOMEM;
    c.pCoefs = static_cast<int16_t*>(std::calloc(static_cast<size_t>(blocks), 128));
    if (!c.pCoefs) return JPEG_ENOMEM;
  }
  return JPEG_OK;
}

void free_decoder(JpegDecoder* d) {
  for (int i = 0; i < JPEG_MAX_COMPONENTS; ++i) std::free(d->Comp[i].pCoefs);
  std::free(d->pPlaneMemory);
  std::free(d->pChromaTerms);
}

int check_scan_tables(JpegDecoder* d) {
  for (int i = 0; i < d->ScanCount; ++i) {
    const JpegComponent& c = d->Comp[d->ScanComp[i]];
    if (d->Ss == 0 && d->Ah == 0 && !(d->Huff[c.Td].Present && d->Huff[c.Td].Valid)) return JPEG_EFORMAT;
    if (d->Se != 0 && !(d->Huff[c.Ta].Present && d->Huff[c.Ta].Valid)) return JPEG_EFORMAT;
    if (!d->QuantPresent[c.Tq]) return JPEG_EFORMAT;
  }
  return JPEG_OK;
}

void start_scan(JpegDecoder* d) {
  for (int i = 0; i < d->NumComponents; ++i) d->Comp[i].DcPred = 0;
  d->EobRun = 0;
  d->RestartsLeft = d->RestartInterval;
  d->NextRestart = 0;
  jpeg_reset_bits(d);
}

inline void before_mcu(JpegDecoder* d) {
  if (d->RestartInterval) {
    if (d->RestartsLeft == 0) jpeg_process_restart(d);
    --d->RestartsLeft;
  }
}

// Inverse DCT of the blocks of MCU row `row` from the whole-image coefficients.
void transform_buffered_row(JpegDecoder* d, uint32_t row) {
  for (int i = 0; i < d->NumComponents; ++i) {
    JpegComponent& c = d->Comp[i];
    const uint16_t* q = d->QuantNatural[c.Tq];
    for (uint32_t by = 0; by < c.V; ++by) {
      const int16_t* blocks = c.pCoefs + (static_cast<size_t>(row * c.V + by) * c.BlocksWide) * 64;
      uint8_t* out = c.pPlane + by * 8 * c.PlaneStride;
      for (uint32_t bx = 0; bx < c.BlocksWide; ++bx) {
        const int16_t* b = blocks + static_cast<size_t>(bx) * 64;
        int last = 63;
        while (last > 0 && b[JPEG_ZigZag[last]] == 0) --last;
        jpeg_idct_islow(b, q, last, out + bx * 8, c.PlaneStride);
      }
    }
  }
}

void output_mcu_row(JpegDecoder* d, uint32_t row) {
  const uint32_t y0 = row * d->McuHeight;
  const uint32_t n = d->Height - y0 < d->McuHeight ? d->Height - y0 : d->McuHeight;
  jpeg_output_rows(d, y0, n);
}

// Sequential scan holding every component: decode, transform and output row by row.
int decode_sequential_scan(JpegDecoder* d) {
  for (uint32_t row = 0; row < d->McusY; ++row) {
    for (uint32_t mx = 0; mx < d->McusX; ++mx) {
      before_mcu(d);
      for (int s = 0; s < d->ScanCount; ++s) {
        JpegComponent& c = d->Comp[d->ScanComp[s]];
        const uint16_t* q = d->QuantNatural[c.Tq];
        for (uint32_t by = 0; by < c.V; ++by)
          for (uint32_t bx = 0; bx < c.H; ++bx) {
            int16_t* coefs = d->McuCoefs[0];
            const int last = jpeg_decode_block(d, &c, coefs);
            uint8_t* out = c.pPlane + by * 8 * c.PlaneStride + (mx * c.H + bx) * 8;
            jpeg_idct_islow(coefs, q, last, out, c.PlaneStride);
            std::memset(coefs, 0, sizeof(d->McuCoefs[0]));
          }
      }
    }
    if (d->Error) return d->Error;
    output_mcu_row(d, row);
  }
  return JPEG_OK;
}

void decode_buffered_block(JpegDecoder* d, JpegComponent* c, int16_t* coefs) {
  if (!d->Progressive) {
    jpeg_decode_block(d, c, coefs);
  } else if (d->Ss == 0) {
    if (d->Ah == 0)
      jpeg_decode_dc_first(d, c, coefs);
    else
      jpeg_decode_dc_refine(d, coefs);
  } else if (d->Ah == 0) {
    jpeg_decode_ac_first(d, c, coefs);
  } else {
    jpeg_decode_ac_refine(d, c, coefs);
  }
}

// The scan's data has ended (a marker or the end of the input) and every real bit is
// used: without restart markers nothing more can arrive, so the remaining blocks keep
// their coefficients instead of being decoded from zero bits.
inline bool scan_data_used_up(const JpegDecoder* d) {
  return d->MarkerHit && d->NumBits <= d->PadBits && !d->RestartInterval && !d->EobRun;
}

// A scan into the whole-image coefficients: one component walks its own blocks, several
// components walk MCUs.
int decode_buffered_scan(JpegDecoder* d) {
  if (d->ScanCount == 1) {
    JpegComponent& c = d->Comp[d->ScanComp[0]];
    for (uint32_t by = 0; by < c.UsedHigh; ++by) {
      for (uint32_t bx = 0; bx < c.UsedWide; ++bx) {
        if (scan_data_used_up(d)) return d->Error;
        before_mcu(d);
        decode_buffered_block(d, &c, c.pCoefs + (static_cast<size_t>(by) * c.BlocksWide + bx) * 64);
      }
      if (d->Error) return d->Error;
    }
    return JPEG_OK;
  }
  for (uint32_t row = 0; row < d->McusY; ++row) {
    for (uint32_t mx = 0; mx < d->McusX; ++mx) {
      if (scan_data_used_up(d)) return d->Error;
      before_mcu(d);
      for (int s = 0; s < d->ScanCount; ++s) {
        JpegComponent& c = d->Comp[d->ScanComp[s]];
        for (uint32_t by = 0; by < c.V; ++by)
          for (uint32_t bx = 0; bx < c.H; ++bx) {
            const size_t index = static_cast<size_t>(row * c.V + by) * c.BlocksWide + mx * c.H + bx;
            decode_buffered_block(d, &c, c.pCoefs + index * 64);
          }
      }
    }
    if (d->Error) return d->Error;
  }
  return JPEG_OK;
}

int check_progressive_scan(const JpegDecoder* d) {
  if (d->Se < d->Ss || d->Se > 63 || d->Al > 13) return JPEG_EFORMAT;
  if (d->Ss == 0 && d->Se != 0) return JPEG_EFORMAT;
  if (d->Ss != 0 && d->ScanCount != 1) return JPEG_EFORMAT;
  if (d->Ah != 0 && d->Ah != d->Al + 1) return JPEG_EFORMAT;
  return JPEG_OK;
}

int decode_pass(JpegDecoder* d) {
  int status = expect_soi(d);
  if (status) return status;
  int frameDone = 0;
  for (;;) {
    const int m = jpeg_next_marker(d);
    if (m < 0) return JPEG_ETRUNCATED;
    if (m == 0xD8) return JPEG_EFORMAT;
    if (m == 0xD9) {
      if (!d->Buffered || !(frameDone & 1)) return JPEG_EFORMAT;  // no scan at all
      for (uint32_t row = 0; row < d->McusY; ++row) {
        transform_buffered_row(d, row);
        output_mcu_row(d, row);
      }
      return JPEG_OK;
    }
    if (m == 0xC0 || m == 0xC1 || m == 0xC2) {
      // The frame is known from the header pass; it is skipped here, a second one refused.
      if (frameDone & 2) return JPEG_EFORMAT;
      frameDone |= 2;
      const int a = jpeg_get_byte(d), b = jpeg_get_byte(d);
      if (a < 0 || b < 0) return JPEG_ETRUNCATED;
      for (int n = ((a << 8) | b) - 2; n > 0; --n)
        if (jpeg_get_byte(d) < 0) return JPEG_ETRUNCATED;
      continue;
    }
    if (m >= 0xC3 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) return JPEG_EUNSUPPORTED;
    if (m == 0xDA && !(frameDone & 2)) return JPEG_EFORMAT;
    status = jpeg_read_segment(d, m);
    if (status) return status;
    if (m != 0xDA) continue;

    if (++d->NumScans > JPEG_MAX_SCANS) return JPEG_ETOOMANYSCANS;
    status = check_scan_tables(d);
    if (!status && d->Progressive) status = check_progressive_scan(d);
    if (status) return status;
    start_scan(d);
    if (!d->Buffered && d->ScanCount == d->NumComponents) {
      status = decode_sequential_scan(d);
      if (status) return status;
      // After the last MCU row of a sequential image only the end of image may follow.
      jpeg_reset_bits(d);
      // Stray restart markers after the last MCU (written by some scanners) are passed over.
      int end;
      do end = jpeg_next_marker(d);
      while (end >= 0xD0 && end <= 0xD7);
      return end == 0xD9 ? JPEG_OK : JPEG_EFORMAT;
    }
    if (!d->Buffered) {
      d->Buffered = 1;
      status = allocate_coefficients(d);
      if (status) return status;
    }
    status = decode_buffered_scan(d);
    if (status) return status;
    frameDone |= 1;
    jpeg_reset_bits(d);
  }
}

}  // namespace

int JPEG_Decode(JPEG_DataFunc pfData, void* pContext, ImageDocument** ppDoc) {
  *ppDoc = nullptr;
  auto* d = static_cast<JpegDecoder*>(std::calloc(1, sizeof(JpegDecoder)));
  if (!d) return JPEG_ENOMEM;
  d->pfData = pfData;
  d->pContext = pContext;
  d->AdobeTransform = -1;
  int status = read_header(d);
  if (!status) status = set_mode(d);
  // The limit covers the coefficients a progressive image keeps besides the document.
  if (!status && !IMAGE_FitsLimits(d->Width, d->Height, d->Progressive ? coefficient_bytes(d) : 0))
    status = JPEG_ETOOLARGE;
  if (!status) {
    d->pDoc = IMAGE_Create(static_cast<int32_t>(d->Width), static_cast<int32_t>(d->Height), 0);
    if (!d->pDoc) status = JPEG_ENOMEM;
  }
  if (!status) status = allocate_output(d);
  if (!status) {
    d->Buffered = d->Progressive;
    if (d->Buffered) status = allocate_coefficients(d);
  }
  if (!status) {
    rewind_input(d);
    // The decode pass sees the segments again; tables are simply defined anew.
    d->FrameSeen = 1;
    d->RestartInterval = 0;
    status = decode_pass(d);
  }
  if (status)
    IMAGE_Free(d->pDoc);
  else
    *ppDoc = d->pDoc;
  free_decoder(d);
  std::free(d);
  return status;
}

int JPEG_DecodeMemory(const uint8_t* pData, size_t size, ImageDocument** ppDoc) {
  MemorySource src = {pData, size};
  return JPEG_Decode(memory_data, &src, ppDoc);
}

int JPEG_GetSize(const uint8_t* pData, size_t size, uint32_t* pWidth, uint32_t* pHeight) {
  *pWidth = *pHeight = 0;
  MemorySource src = {pData, size};
  auto* d = static_cast<JpegDecoder*>(std::calloc(1, sizeof(JpegDecoder)));
  if (!d) return JPEG_ENOMEM;
  d->pfData = memory_data;
  d->pContext = &src;
  const int status = read_header(d);
  if (!status) {
    *pWidth = d->Width;
    *pHeight = d->Height;
  }
  std::free(d);
  return status;
}
