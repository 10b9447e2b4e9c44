// Buffered file output shared by the writers of both converters.
#include "common/output/buffered_writer.h"

#include <cstring>

void OUT_Drain(OutWriter* w) {
  if (w->NumBytes && !w->Failed) {
    if (std::fwrite(w->aBuffer, 1, w->NumBytes, w->pFile) != w->NumBytes) w->Failed = true;
    else w->NumWritten += w->NumBytes;
  }
  w->NumBytes = 0;
}

void OUT_Init(OutWriter* w, FILE* file) {
  w->pFile = file;
  w->NumBytes = 0;
  w->NumWritten = 0;
  w->Failed = file == nullptr;
}

void OUT_Write(OutWriter* w, const void* data, size_t size) {
  if (w->Failed) return;
  const auto* p = static_cast<const uint8_t*>(data);
  while (size) {
    if (w->NumBytes == OUT_BUFFER_SIZE) OUT_Drain(w);
    size_t n = OUT_BUFFER_SIZE - w->NumBytes;
    if (n > size) n = size;
    std::memcpy(w->aBuffer + w->NumBytes, p, n);
    w->NumBytes += n;
    p += n;
    size -= n;
  }
}

void OUT_PutByte(OutWriter* w, uint8_t byte) {
  if (w->NumBytes == OUT_BUFFER_SIZE) OUT_Drain(w);
  w->aBuffer[w->NumBytes++] = byte;
}

void OUT_PutU16(OutWriter* w, uint32_t value) {
  OUT_PutByte(w, static_cast<uint8_t>(value));
  OUT_PutByte(w, static_cast<uint8_t>(value >> 8));
}

void OUT_PutU32(OutWriter* w, uint32_t value) {
  OUT_PutU16(w, value);
  OUT_PutU16(w, value >> 16);
}

void OUT_Puts(OutWriter* w, const char* text) { OUT_Write(w, text, std::strlen(text)); }

bool OUT_Flush(OutWriter* w) {
  OUT_Drain(w);
  if (!w->Failed && std::fflush(w->pFile) != 0) w->Failed = true;
  return !w->Failed;
}
