// Window size restore within the screen.
#include "bitmap/app/window_geometry.h"

#include <algorithm>
#include <cstdint>

#include "common/settings/settings_store.h"

const char RASTREL_acWindowKey[] = "Software\\Tavrex\\Rastrel\\Window\\";

namespace {

// One side: the size fits inside the room left by the frame (the minimum only where the
// room allows), the position keeps the whole frame inside the area.
void fit(int* pos, int* size, bool hasPosition, int areaPos, int areaSize, int before, int after, int def, int min) {
  const int room = std::max(1, areaSize - before - after);
  int s = *size > 0 ? *size : def;
  s = std::min(std::max(s, std::min(min, room)), room);
  const int lo = areaPos + before;
  const int hi = areaPos + areaSize - after - s;
  const int p = hasPosition ? *pos : areaPos + before + (room - s) / 2;
  *pos = std::clamp(p, lo, std::max(lo, hi));
  *size = s;
}

int32_t read(const char* name, bool* ok) {
  uint32_t v = 0;
  if (SETTINGS_ReadDword(RASTREL_acWindowKey, name, &v) != 0) *ok = false;
  return static_cast<int32_t>(v);
}

}  // namespace

WindowRect RASTREL_FitWindow(const WindowRect& wanted, bool hasPosition, const WindowRect& area,
                             const FrameMargins& frame) {
  WindowRect r = wanted;
  const bool sized = wanted.Width > 0 && wanted.Height > 0;
  if (!sized) r.Width = r.Height = 0;
  fit(&r.X, &r.Width, hasPosition, area.X, area.Width, frame.Left, frame.Right, WINDOW_DEFAULT_WIDTH, WINDOW_MIN_WIDTH);
  fit(&r.Y, &r.Height, hasPosition, area.Y, area.Height, frame.Top, frame.Bottom, WINDOW_DEFAULT_HEIGHT,
      WINDOW_MIN_HEIGHT);
  return r;
}

StoredWindow RASTREL_LoadWindow() {
  StoredWindow w;
  bool sized = true;
  w.Rect.Width = read("Width", &sized);
  w.Rect.Height = read("Height", &sized);
  // A stored size beyond any screen is as good as none.
  if (!sized || w.Rect.Width <= 0 || w.Rect.Height <= 0 || w.Rect.Width > 100000 || w.Rect.Height > 100000)
    w.Rect.Width = w.Rect.Height = 0;
  bool placed = true;
  w.Rect.X = read("X", &placed);
  w.Rect.Y = read("Y", &placed);
  w.HasPosition = placed && w.Rect.Width > 0 && w.Rect.X > -100000 && w.Rect.X < 100000 && w.Rect.Y > -100000 &&
                  w.Rect.Y < 100000;
  bool max = true;
  w.Maximized = read("Maximized", &max) == 1 && max;
  return w;
}

void RASTREL_SaveWindow(const StoredWindow& w) {
  SETTINGS_WriteDword(RASTREL_acWindowKey, "X", static_cast<uint32_t>(w.Rect.X));
  SETTINGS_WriteDword(RASTREL_acWindowKey, "Y", static_cast<uint32_t>(w.Rect.Y));
  SETTINGS_WriteDword(RASTREL_acWindowKey, "Width", static_cast<uint32_t>(w.Rect.Width));
  SETTINGS_WriteDword(RASTREL_acWindowKey, "Height", static_cast<uint32_t>(w.Rect.Height));
  SETTINGS_WriteDword(RASTREL_acWindowKey, "Maximized", w.Maximized ? 1u : 0u);
}
