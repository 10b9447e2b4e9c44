// View arithmetic.
#include "viewer/view_geometry.h"

#include <algorithm>

namespace {
struct ZoomEntry {
  int command, zoom;
  bool grid;
};
constexpr ZoomEntry kZooms[] = {
    {550, 1, false}, {551, 2, false}, {552, 3, false}, {553, 3, true},
    {554, 4, false}, {555, 4, true},  {556, 6, false}, {557, 6, true},
    {558, 8, false}, {559, 8, true},  {560, 10, false}, {561, 10, true},
};
}  // namespace

bool GEOM_ZoomCommand(int command, int* zoom, bool* grid) {
  for (const ZoomEntry& e : kZooms)
    if (e.command == command) {
      *zoom = e.zoom;
      *grid = e.grid;
      return true;
    }
  return false;
}

int GEOM_CommandForZoom(int zoom, bool grid) {
  for (const ZoomEntry& e : kZooms)
    if (e.zoom == zoom && e.grid == grid) return e.command;
  return 0;
}

void GEOM_ClientToDisplay(int clientX, int clientY, int zoom, int scrollX, int scrollY,
                          bool virtualView, int xOrg, int yOrg, int* x, int* y) {
  zoom = std::max(zoom, 1);
  *x = clientX / zoom + scrollX;
  *y = clientY / zoom + scrollY;
  if (virtualView) {
    *x -= xOrg;
    *y -= yOrg;
  }
}

void GEOM_DisplayToClient(int x, int y, int zoom, int scrollX, int scrollY, bool virtualView,
                          int xOrg, int yOrg, int* clientX, int* clientY) {
  if (virtualView) {
    x += xOrg;
    y += yOrg;
  }
  *clientX = (x - scrollX) * zoom;
  *clientY = (y - scrollY) * zoom;
}

int GEOM_MaxScroll(int content, int visible) { return std::max(0, content - visible); }

int GEOM_ClampScroll(int position, int content, int visible) {
  return std::clamp(position, 0, GEOM_MaxScroll(content, visible));
}

int GEOM_VisibleCount(int client, int zoom) { return zoom > 0 ? std::max(client, 0) / zoom : 0; }

std::vector<StackPlace> GEOM_StackViews(const std::vector<int>& outerWidths,
                                        const std::vector<int>& outerHeights, int availableHeight) {
  std::vector<StackPlace> places;
  int columnX = 0, stackHeight = 0, widest = 0;
  for (size_t i = 0; i < outerWidths.size() && i < outerHeights.size(); ++i) {
    if (i > 0 && stackHeight + outerHeights[i] >= availableHeight) {
      columnX += widest + 170;
      stackHeight = 0;
    }
    places.push_back({columnX, stackHeight});
    stackHeight += outerHeights[i];
    widest = std::max(widest, outerWidths[i]);
  }
  return places;
}
