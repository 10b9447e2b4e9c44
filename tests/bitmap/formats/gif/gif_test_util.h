// Builds small GIF files for the tests: LZW data written with a clear code before the
// table would grow, so every code is one pixel at the initial width.
#pragma once

#include <cstdint>
#include <vector>

struct GifSpec {
  int ScreenW = 4, ScreenH = 3;
  std::vector<uint32_t> Global;  // 0xRRGGBB entries; empty for no global table
  struct Frame {
    int Left = 0, Top = 0, W = 4, H = 3;
    std::vector<uint32_t> Local;
    std::vector<uint8_t> Pixels;  // W x H indices, rows top to bottom
    bool Interlaced = false;
    int Gce = 0;  // 0: no extension, 1: with one
    int Delay = 0, Trans = -1;
    int MinCodeSize = 0;  // 0: from the table size
  };
  std::vector<Frame> Frames;
  bool Trailer = true;
};

inline void gif_put16(std::vector<uint8_t>& v, int x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}

inline int gif_table_bits(size_t n) {
  int b = 0;
  while ((2u << b) < n) ++b;
  return b;
}

inline void gif_put_table(std::vector<uint8_t>& v, const std::vector<uint32_t>& t) {
  const size_t n = 2u << gif_table_bits(t.size());
  for (size_t i = 0; i < n; ++i) {
    const uint32_t c = i < t.size() ? t[i] : 0;
    v.push_back(uint8_t(c >> 16));
    v.push_back(uint8_t(c >> 8));
    v.push_back(uint8_t(c));
  }
}

inline std::vector<uint8_t> gif_lzw(const std::vector<uint8_t>& pixels, int minSize) {
  const int clear = 1 << minSize, width = minSize + 1;
  std::vector<uint8_t> bytes;
  uint32_t acc = 0;
  int bits = 0;
  auto put = [&](int code) {
    acc |= uint32_t(code) << bits;
    bits += width;
    while (bits >= 8) {
      bytes.push_back(uint8_t(acc));
      acc >>= 8;
      bits -= 8;
    }
  };
  // The decoder adds a table entry per code after the first; clear before the width grows.
  const int perRun = (1 << width) - clear - 2;
  put(clear);
  int run = 0;
  for (uint8_t p : pixels) {
    if (run == perRun) {
      put(clear);
      run = 0;
    }
    put(p);
    ++run;
  }
  put(clear + 1);
  if (bits) bytes.push_back(uint8_t(acc));
  std::vector<uint8_t> out;
  out.push_back(uint8_t(minSize));
  for (size_t i = 0; i < bytes.size(); i += 255) {
    const size_t n = std::min<size_t>(255, bytes.size() - i);
    out.push_back(uint8_t(n));
    out.insert(out.end(), bytes.begin() + i, bytes.begin() + i + n);
  }
  out.push_back(0);
  return out;
}

// Rows of an interlaced frame in the order they are stored.
inline std::vector<int> gif_interlace_order(int h) {
  std::vector<int> rows;
  const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
  for (int p = 0; p < 4; ++p)
    for (int r = start[p]; r < h; r += step[p]) rows.push_back(r);
  return rows;
}

inline std::vector<uint8_t> gif_build(const GifSpec& s) {
  std::vector<uint8_t> v = {'G', 'I', 'F', '8', '9', 'a'};
  gif_put16(v, s.ScreenW);
  gif_put16(v, s.ScreenH);
  v.push_back(uint8_t(s.Global.empty() ? 0 : 0x80 | gif_table_bits(s.Global.size())));
  v.push_back(0);
  v.push_back(0);
  if (!s.Global.empty()) gif_put_table(v, s.Global);
  for (const auto& f : s.Frames) {
    if (f.Gce) {
      v.insert(v.end(), {0x21, 0xF9, 4, uint8_t(f.Trans >= 0 ? 1 : 0)});
      gif_put16(v, f.Delay);
      v.push_back(uint8_t(f.Trans >= 0 ? f.Trans : 0));
      v.push_back(0);
    }
    v.push_back(0x2C);
    gif_put16(v, f.Left);
    gif_put16(v, f.Top);
    gif_put16(v, f.W);
    gif_put16(v, f.H);
    v.push_back(uint8_t((f.Local.empty() ? 0 : 0x80 | gif_table_bits(f.Local.size())) | (f.Interlaced ? 0x40 : 0)));
    if (!f.Local.empty()) gif_put_table(v, f.Local);
    std::vector<uint8_t> px = f.Pixels;
    if (f.Interlaced) {
      px.clear();
      for (int r : gif_interlace_order(f.H))
        px.insert(px.end(), f.Pixels.begin() + r * f.W, f.Pixels.begin() + (r + 1) * f.W);
    }
    const size_t colours = f.Local.empty() ? s.Global.size() : f.Local.size();
    const int minSize = f.MinCodeSize ? f.MinCodeSize : std::max(2, gif_table_bits(colours) + 1);
    const auto data = gif_lzw(px, minSize);
    v.insert(v.end(), data.begin(), data.end());
  }
  if (s.Trailer) v.push_back(0x3B);
  return v;
}
