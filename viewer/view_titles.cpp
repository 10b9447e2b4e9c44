// Window titles.
#include "viewer/view_titles.h"

#include <cstdio>

static std::string format(const char* fmt, auto... args) {
  char buf[160];
  std::snprintf(buf, sizeof(buf), fmt, args...);
  return buf;
}

std::string TITLE_VersionText() {
  return format("%01d.%01d%01d", VIEWER_VERSION_MAJOR, VIEWER_VERSION_MINOR, VIEWER_VERSION_PATCH);
}

std::string TITLE_Frame() { return std::string(VIEWER_APP_NAME) + " V" + TITLE_VersionText(); }

std::string TITLE_ZoomSuffix(int zoom) {
  return zoom > 1 ? format(", %02d%%", zoom * 100) : std::string();
}

std::string TITLE_Layer(int display, const BlockGeometry& g, int xOrg, int yOrg, bool virtualView,
                        int zoom) {
  std::string t = virtualView
                      ? format("Virt.Layer #%d, %d*%d, %dbpp", display, g.vxSize, g.vySize, g.bpp)
                      : format("Vis.Layer #%d, %d*%d, %dbpp @ %d,%d", display, g.xSize, g.ySize,
                               g.bpp, xOrg, yOrg);
  return t + TITLE_ZoomSuffix(zoom);
}

std::string TITLE_Composite(int width, int height, bool zoomChanged, int zoom) {
  return format(zoomChanged ? "Composite %d*%d" : "Composite LCD %d*%d", width, height) +
         TITLE_ZoomSuffix(zoom);
}

std::string TITLE_Colors(int display) { return format("Colors #%d", display); }
