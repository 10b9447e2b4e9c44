// Arithmetic of the layer and composite views: zoom commands, pointer conversion,
// scrolling and the placement of new views in the frame.
#pragma once

#include <vector>

// Zoom and grid of the context-menu commands 550 to 561; false for other identifiers.
bool GEOM_ZoomCommand(int command, int* zoom, bool* grid);
// The command for a zoom and grid, or 0 when the combination has none.
int GEOM_CommandForZoom(int zoom, bool grid);

// Client point to display coordinates: client / zoom + scroll, minus the origin in a
// virtual view.
void GEOM_ClientToDisplay(int clientX, int clientY, int zoom, int scrollX, int scrollY,
                          bool virtualView, int xOrg, int yOrg, int* x, int* y);
// Display coordinates back to the client point of the pixel's top-left corner.
void GEOM_DisplayToClient(int x, int y, int zoom, int scrollX, int scrollY, bool virtualView,
                          int xOrg, int yOrg, int* clientX, int* clientY);

// Largest first shown row or column: content - visible (at least 0).
int GEOM_MaxScroll(int content, int visible);
// A scroll position pulled back so that position + visible stays within the content.
int GEOM_ClampScroll(int position, int content, int visible);
// Display pixels visible in a client extent: client / zoom.
int GEOM_VisibleCount(int client, int zoom);

// Top-left corners of the visible-layer views of displays 0..n-1, stacked top to bottom in
// columns; a new column starts at y = 0 when the next view would reach availableHeight,
// right of the widest view so far plus 170.
struct StackPlace {
  int x, y;
};
std::vector<StackPlace> GEOM_StackViews(const std::vector<int>& outerWidths,
                                        const std::vector<int>& outerHeights, int availableHeight);
