// The tests' own reader of binary bitmap streams, written from the file layout alone:
// header, palette and one canonical value per pixel.
//   indices, RLE4, RLE8: the palette index      RLE alpha: the transparency byte
//   16-bit formats, RLE16: the 16-bit value     17: red | green << 8 | blue << 16
//   25-28: transparency << 16 | 16-bit value    15, 16, 29: the colour (red, green, blue, T)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedStream {
  uint16_t Encoding = 0, Width = 0, Height = 0, BytesPerLine = 0, BitsPerPixel = 0, NumPalette = 0, HasTrans = 0;
  std::vector<uint32_t> Palette;  // entries as stored (little-endian 32-bit)
  std::vector<uint32_t> Values;   // Width x Height, top row first
  std::string Error;              // empty when the stream was complete and consumed exactly
};

class StreamTestReader {
 public:
  StreamTestReader(const std::string& bytes, bool bigEndian) : d_(bytes), big_(bigEndian) {}

  // `format` tells the reader the pixel layout that the encoding field leaves open (100).
  DecodedStream Decode(int format) {
    DecodedStream s;
    if (d_.size() < 16 || d_[0] != 'B' || d_[1] != 'M') return fail(&s, "header");
    s.Encoding = le16(2);
    s.Width = le16(4);
    s.Height = le16(6);
    s.BytesPerLine = le16(8);
    s.BitsPerPixel = le16(10);
    s.NumPalette = le16(12);
    s.HasTrans = le16(14);
    pos_ = 16;
    for (int i = 0; i < s.NumPalette; ++i) {
      if (!have(4)) return fail(&s, "palette");
      s.Palette.push_back(le32(pos_));
      pos_ += 4;
    }
    const size_t n = static_cast<size_t>(s.Width) * s.Height;
    bool ok = true;
    switch (format) {
      case 1: case 2: case 4: case 5: ok = indices(&s, format == 5 ? 8 : format); break;
      case 6: case 7: case 18: ok = rle(&s, n, 1, format == 6); break;
      case 12: case 13: ok = rle(&s, n, 2, false); break;
      case 15: ok = rle(&s, n, 4, false); break;
      case 17: ok = fixed(&s, n, 3); break;
      case 25: case 26: case 27: case 28: ok = fixed(&s, n, 3); break;
      case 16: case 29: ok = fixed(&s, n, 4); break;
      default: ok = fixed(&s, n, 2); break;
    }
    if (!ok) return fail(&s, "pixels");
    if (pos_ != d_.size()) return fail(&s, "trailing bytes");
    for (uint32_t& v : s.Values) v = canonical(format, v);
    return s;
  }

 private:
  const std::string& d_;
  bool big_;
  size_t pos_ = 0;

  uint8_t b(size_t i) const { return static_cast<uint8_t>(d_[i]); }
  uint16_t le16(size_t i) const { return static_cast<uint16_t>(b(i) | b(i + 1) << 8); }
  uint32_t le32(size_t i) const { return le16(i) | static_cast<uint32_t>(le16(i + 2)) << 16; }
  bool have(size_t n) const { return d_.size() - pos_ >= n; }
  static DecodedStream fail(DecodedStream* s, const char* what) {
    s->Error = what;
    return *s;
  }

  bool indices(DecodedStream* s, int bpp) {
    const size_t line = (static_cast<size_t>(s->Width) * bpp + 7) / 8;
    for (int y = 0; y < s->Height; ++y) {
      if (!have(line)) return false;
      for (int x = 0; x < s->Width; ++x) {
        const size_t bit = static_cast<size_t>(x) * bpp;
        s->Values.push_back((b(pos_ + bit / 8) >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1));
      }
      pos_ += line;
    }
    return true;
  }

  // Raw value bytes in file order, packed low byte first.
  uint32_t raw(int size) {
    uint32_t v = 0;
    for (int i = 0; i < size; ++i) v |= static_cast<uint32_t>(b(pos_ + i)) << (8 * i);
    pos_ += size;
    return v;
  }

  bool rle(DecodedStream* s, size_t n, int size, bool nibbles) {
    while (s->Values.size() < n) {
      if (!have(1)) return false;
      const uint8_t count = b(pos_++);
      if (count) {  // run
        if (!have(size) || s->Values.size() + count > n) return false;
        const uint32_t v = raw(size);
        s->Values.insert(s->Values.end(), count, v);
        continue;
      }
      if (!have(1)) return false;
      const uint8_t literal = b(pos_++);
      if (literal < 2 || s->Values.size() + literal > n) return false;
      if (nibbles) {
        const size_t bytes = (literal + 1u) / 2;
        if (!have(bytes)) return false;
        for (int i = 0; i < literal; ++i) s->Values.push_back((b(pos_ + i / 2) >> (i % 2 ? 0 : 4)) & 15);
        pos_ += bytes;
      } else {
        if (!have(static_cast<size_t>(literal) * size)) return false;
        for (int i = 0; i < literal; ++i) s->Values.push_back(raw(size));
      }
    }
    return true;
  }

  bool fixed(DecodedStream* s, size_t n, int size) {
    if (!have(n * size)) return false;
    for (size_t i = 0; i < n; ++i) {
      uint32_t v = raw(size);
      if (size == 2 && big_) v = ((v & 0xFF) << 8) | (v >> 8);
      s->Values.push_back(v);
    }
    return true;
  }

  uint32_t canonical(int format, uint32_t v) const {
    auto byte = [v](int i) { return (v >> (8 * i)) & 0xFF; };
    switch (format) {
      case 16:  // red, green, blue, T; big endian: T, blue, green, red
        return big_ ? (byte(3) | byte(2) << 8 | byte(1) << 16 | byte(0) << 24) : v;
      case 29:  // blue, green, red, 255 - T; big endian: 255 - T, red, green, blue
        if (big_) return byte(1) | byte(2) << 8 | byte(3) << 16 | (255 - byte(0)) << 24;
        return byte(2) | byte(1) << 8 | byte(0) << 16 | (255 - byte(3)) << 24;
      case 25: case 26: case 27: case 28:  // T, high, low
        return byte(0) << 16 | byte(1) << 8 | byte(2);
      default:
        return v;
    }
  }
};
