// Hostile input files for whole-job tests and the hostile benchmark: tiny files whose
// headers claim huge images, endless scans or data that never ends. Each entry names
// the file, its bytes and what a job that opens it must report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HostileFile {
  std::string Name;
  std::vector<uint8_t> Bytes;
  std::string Text;  // the reader's warning the job must log
};

// The file set: BMP, JPEG and PNG files a reader must refuse or stop early on.
std::vector<HostileFile> HOSTILE_ImageFiles();

// A 54-byte 24-bit BMP claiming width x height pixels with no pixel data.
std::vector<uint8_t> HOSTILE_EmptyBmp(uint32_t width, uint32_t height);

// A grey progressive JPEG whose scans are all DC-first scans without data.
std::vector<uint8_t> HOSTILE_EmptyScansJpeg(uint32_t width, uint32_t height, int scans);

// Writes every file of the set into folder, and square.bmp (2048 x 2048 pixels in 54
// bytes, for flips in a job); returns false when one cannot be written.
bool HOSTILE_WriteAll(const std::string& folder);
