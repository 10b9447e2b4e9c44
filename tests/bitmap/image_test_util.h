// Small builders and a recording host for the image core tests.
#pragma once

#include <string>
#include <vector>

#include "bitmap/document/image.h"
#include "support/recording_host.h"
#include "support/rastrel_messages.h"



// A true-colour document with the given pixels, top row first.
inline ImageDocument* make_true_colour(int w, int h, const std::vector<ColorValue>& px) {
  ImageDocument* doc = IMAGE_Create(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) IMAGE_SetIndex(doc, x, y, px[static_cast<size_t>(y * w + x)]);
  return doc;
}

inline ImageDocument* make_paletted(int w, int h, const std::vector<ColorValue>& pal,
                                    const std::vector<uint8_t>& px) {
  ImageDocument* doc = IMAGE_Create(w, h, static_cast<int>(pal.size()));
  for (size_t i = 0; i < pal.size(); ++i) IMAGE_SetPalColor(doc, static_cast<int>(i), pal[i]);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) IMAGE_SetIndex(doc, x, y, px[static_cast<size_t>(y * w + x)]);
  return doc;
}

inline std::vector<ColorValue> palette_of(const ImageDocument* doc) {
  std::vector<ColorValue> v;
  for (int i = 0; i < doc->NumColors; ++i) v.push_back(IMAGE_GetPalColor(doc, i));
  return v;
}

// Deterministic pseudo-random numbers (xorshift) so failures reproduce.
struct TestRng {
  uint32_t State = 2463534242u;
  uint32_t Next() {
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    return State;
  }
};
