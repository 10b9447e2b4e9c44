// Shared state of the JPEG decoder stages: input and markers (jpeg_marker.cpp), entropy
// decoding (jpeg_huffman.cpp), inverse DCT (jpeg_idct.cpp), colour output
// (jpeg_colour.cpp) and the frame driver (jpeg_decoder.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/formats/jpeg/jpeg.h"

enum { JPEG_MAX_COMPONENTS = 4, JPEG_MAX_BLOCKS_PER_MCU = 10, JPEG_FAST_BITS = 10 };

// Natural (row-major) position of coefficient k in coded order, with 16 guard entries so
// that a corrupt run that overshoots position 63 stays inside the block.
extern const uint8_t JPEG_ZigZag[64 + 16];

enum JpegMode { JPEG_MODE_NONE, JPEG_MODE_GREY, JPEG_MODE_H1V1, JPEG_MODE_H2V1, JPEG_MODE_H1V2, JPEG_MODE_H2V2 };

struct JpegHuffTable {
  uint8_t Present;
  uint8_t Valid;          // canonical codes fit their lengths
  uint8_t Counts[17];     // number of codes of each length 1..16
  uint8_t Symbols[256];
  // Codes of up to 8 bits: (length << 8) | symbol, indexed by the next 8 bits; 0 for
  // a longer code, which is resolved with MaxCode and ValOffset.
  uint16_t Lookup[256];
  int32_t MaxCode[18];    // largest code of each length, -1 when none; [17] sentinel
  int32_t ValOffset[17];  // index of the first symbol of a length minus its first code
  // For the next JPEG_FAST_BITS bits: a code and its magnitude bits that fit in them,
  // decoded (layout in jpeg_huffman.cpp); 0 when they do not fit.
  int32_t Fast[1 << JPEG_FAST_BITS];
};

struct JpegComponent {
  uint8_t Id;
  uint8_t H, V;          // sampling factors
  uint8_t Tq;            // quantisation table
  uint8_t Td, Ta;        // Huffman tables of the current scan (DC 0-3, AC 4-7)
  int32_t DcPred;
  uint32_t BlocksWide;   // blocks per row in the MCU-padded coefficient buffer
  uint32_t BlocksHigh;
  uint32_t UsedWide;     // blocks that hold image samples (non-interleaved scans walk these)
  uint32_t UsedHigh;
  int16_t* pCoefs;       // whole-image coefficients (progressive and non-interleaved images)
  uint8_t* pPlane;       // samples of one MCU row: (BlocksWide * 8) x (V * 8)
  size_t PlaneStride;
};

struct JpegDecoder {
  // Input.
  JPEG_DataFunc pfData;
  void* pContext;
  size_t Offset;          // file offset of the next chunk
  const uint8_t* pChunk;
  size_t ChunkLeft;
  uint8_t PushBack[4];
  int NumPushBack;
  // Bit reader, left-aligned: the next bit is bit 63.
  uint64_t Bits;
  int NumBits;
  int MarkerHit;          // a marker was met inside entropy-coded data: zero bits follow
  int PadBits;            // zero bits added since then; Bits holds real data while NumBits > PadBits
  int Error;              // sticky failure raised inside entropy decoding

  // Frame.
  int FrameSeen;
  int Progressive;
  int Precision;
  uint32_t Width, Height;
  int NumComponents;
  JpegComponent Comp[JPEG_MAX_COMPONENTS];
  int AdobeTransform;     // -1 when there is no application segment 14
  JpegMode Mode;
  uint32_t Hmax, Vmax;
  uint32_t McuWidth, McuHeight, McusX, McusY;
  int Buffered;           // coefficients kept for the whole image

  // Tables.
  uint16_t Quant[4][64];  // zig-zag order, as stored in the file
  uint16_t QuantNatural[4][64];
  uint8_t QuantPresent[4];
  JpegHuffTable Huff[8];

  // Scan.
  int NumScans;           // scans met so far
  int ScanCount;
  int ScanComp[JPEG_MAX_COMPONENTS];
  int Ss, Se, Ah, Al;
  uint32_t EobRun;
  uint32_t RestartInterval;
  uint32_t RestartsLeft;
  int NextRestart;

  // Output.
  ImageDocument* pDoc;
  int16_t McuCoefs[JPEG_MAX_BLOCKS_PER_MCU][64];
  uint8_t* pPlaneMemory;
  int16_t* pChromaTerms;  // colour offsets of one luma row: 6 arrays of TermsStride (jpeg_colour.cpp)
  size_t TermsStride;
  uint8_t* pRgbRow;
};

// Input (jpeg_marker.cpp).
int jpeg_get_byte(JpegDecoder* d);  // -1 at the end of the data
void jpeg_push_back(JpegDecoder* d, uint8_t a, uint8_t b);
int jpeg_next_marker(JpegDecoder* d);  // marker code, or -1 at the end
int jpeg_read_segment(JpegDecoder* d, int marker);  // JPEG_OK or a failure
int jpeg_process_restart(JpegDecoder* d);

// Entropy decoding (jpeg_huffman.cpp).
// ac: the table codes run/size pairs (AC) rather than sizes (DC).
int jpeg_build_huffman(JpegHuffTable* t, int ac);
void jpeg_reset_bits(JpegDecoder* d);
// Sequential block; returns the last coded position written (0: DC only).
int jpeg_decode_block(JpegDecoder* d, JpegComponent* c, int16_t* coefs);
void jpeg_decode_dc_first(JpegDecoder* d, JpegComponent* c, int16_t* coefs);
void jpeg_decode_dc_refine(JpegDecoder* d, int16_t* coefs);
void jpeg_decode_ac_first(JpegDecoder* d, JpegComponent* c, int16_t* coefs);
void jpeg_decode_ac_refine(JpegDecoder* d, JpegComponent* c, int16_t* coefs);

// Inverse DCT of one block of quantised coefficients (natural order) with its
// quantisation table (natural order) into 8x8 samples. lastK is the last coded
// position the block used; 0 means only the DC term can be non-zero.
void jpeg_idct_islow(const int16_t* coefs, const uint16_t* quant, int lastK, uint8_t* out, size_t stride);

// 1 when the inverse DCT and colour conversion use their AVX2 builds (an x86-64 processor
// with AVX2; always 0 elsewhere); tests set 0 to check the generic builds. Both give the
// same samples.
extern int jpeg_use_avx2;

// Colour conversion of rows [y0, y0 + count) of the current MCU row into the document.
void jpeg_output_rows(JpegDecoder* d, uint32_t y0, uint32_t count);
