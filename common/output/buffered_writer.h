// Buffered output to an open file. After the first failed write the writer stops and
// drops further output; the caller checks OUT_Failed once at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// A multiple of the page size, so the C library hands full buffers to the system unsplit.
enum { OUT_BUFFER_SIZE = 256 * 1024 };

struct OutWriter {
  FILE* pFile;
  size_t NumBytes;       // bytes waiting in the buffer
  uint64_t NumWritten;   // bytes handed to the file so far
  bool Failed;
  uint8_t aBuffer[OUT_BUFFER_SIZE];
};

void OUT_Init(OutWriter* w, FILE* file);
void OUT_Write(OutWriter* w, const void* data, size_t size);
void OUT_PutByte(OutWriter* w, uint8_t byte);
void OUT_PutU16(OutWriter* w, uint32_t value);  // little-endian
void OUT_PutU32(OutWriter* w, uint32_t value);  // little-endian
void OUT_Puts(OutWriter* w, const char* text);
// Hands the buffered bytes to the file (without flushing the file); writers that format
// straight into aBuffer call it when the buffer is full.
void OUT_Drain(OutWriter* w);
// Formatting straight into the buffer: room for n bytes (at most OUT_BUFFER_SIZE), draining
// what is buffered first when needed; the caller writes there and adds what it wrote with
// OUT_Advance. After a failure the room is still there and what is written is dropped.
inline uint8_t* OUT_Room(OutWriter* w, size_t n) {
  if (OUT_BUFFER_SIZE - w->NumBytes < n) OUT_Drain(w);
  return w->aBuffer + w->NumBytes;
}
inline void OUT_Advance(OutWriter* w, size_t n) { w->NumBytes += n; }
// Writes the buffer to the file; returns false when any write failed.
bool OUT_Flush(OutWriter* w);
inline bool OUT_Failed(const OutWriter* w) { return w->Failed; }
