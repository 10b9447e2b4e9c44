// Zoom to device pixels.
#include "bitmap/app/view_scale.h"

#include <algorithm>
#include <cmath>

double VIEW_DeviceScale(int zoom, double dpr) {
  if (!(dpr > 0)) dpr = 1;
  const double f = zoom * dpr / 10.0;
  if (dpr == 1.0 || f < 1.0) return f;
  return std::floor(f + 0.5);
}

int VIEW_DeviceSpan(int size, int zoom, double dpr) {
  // Integer arithmetic at ratio 1, as the zoom factor is defined; wide images do not overflow.
  const double span = (!(dpr > 0) || dpr == 1.0) ? std::floor(static_cast<double>(size) * zoom / 10.0)
                                                 : std::floor(size * VIEW_DeviceScale(zoom, dpr) + 1e-9);
  return static_cast<int>(std::clamp(span, 1.0, 2147483647.0));
}
