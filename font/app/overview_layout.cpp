// Overview geometry and navigation.
#include "font/app/overview_layout.h"

#include <algorithm>

OverviewGeometry OVERVIEW_Geometry(const FontDoc* doc) {
  const int height = doc ? std::clamp(static_cast<int>(doc->Height), 0, static_cast<int>(OVERVIEW_MAX_WIDTH)) : 0;
  // A width from a damaged file cannot make the cells overflow.
  const int width = doc ? std::clamp(static_cast<int>(doc->MaxWidth), 0, static_cast<int>(OVERVIEW_MAX_WIDTH)) : 0;
  OverviewGeometry g;
  g.FillHeight = std::max(height, 16);
  g.RowHeight = g.FillHeight + 1;
  g.CellWidth = width + 21;
  g.CellFill = width + 20;
  return g;
}

int OVERVIEW_CellX(const OverviewGeometry& g, int column) { return OVERVIEW_CODE_COLUMN + column * g.CellWidth; }
int OVERVIEW_NameX(const OverviewGeometry& g) { return OVERVIEW_CellX(g, 16) + OVERVIEW_NAME_GAP; }

std::vector<int> OVERVIEW_ListedBlocks(const FontDoc* doc, bool enabledOnly) {
  std::vector<int> listed;
  if (!doc) return listed;
  const int n = std::clamp(static_cast<int>(doc->NumBlocks), 0, static_cast<int>(FONT_NUM_BLOCKS));
  for (int b = 0; b < n; ++b)
    if (!enabledOnly || doc->aBlock[b].Used) listed.push_back(b);
  return listed;
}

int OVERVIEW_RowOfCode(const std::vector<int>& listed, unsigned code) {
  auto it = std::lower_bound(listed.begin(), listed.end(), static_cast<int>(code >> 4));
  return it != listed.end() && *it == static_cast<int>(code >> 4) ? static_cast<int>(it - listed.begin()) : -1;
}

int OVERVIEW_CodeAt(const OverviewGeometry& g, const std::vector<int>& listed, int firstRow, int xOffset, int x,
                    int y) {
  const int cx = x + xOffset;
  if (cx < OVERVIEW_CODE_COLUMN || cx >= OVERVIEW_CellX(g, 16) || y < 0) return -1;
  const int row = firstRow + y / g.RowHeight;
  if (row < 0 || row >= static_cast<int>(listed.size())) return -1;
  return listed[row] * 16 + (cx - OVERVIEW_CODE_COLUMN) / g.CellWidth;
}

unsigned OVERVIEW_Navigate(const std::vector<int>& listed, bool wrap, unsigned code, OverviewKey key,
                           int visibleRows) {
  const int rows = static_cast<int>(listed.size());
  if (rows == 0) return code;
  int row = OVERVIEW_RowOfCode(listed, code);
  int col = static_cast<int>(code & 15);
  if (row < 0) {  // not listed: the next listed block (or the first) holds the start
    auto it = std::lower_bound(listed.begin(), listed.end(), static_cast<int>(code >> 4));
    row = it == listed.end() ? 0 : static_cast<int>(it - listed.begin());
  }
  bool page = false;
  switch (key) {
    case OVERVIEW_KEY_LEFT:
      if (--col < 0) col = 15, --row;
      break;
    case OVERVIEW_KEY_RIGHT:
      if (++col > 15) col = 0, ++row;
      break;
    case OVERVIEW_KEY_UP: --row; break;
    case OVERVIEW_KEY_DOWN: ++row; break;
    case OVERVIEW_KEY_PAGE_UP: row -= std::max(1, visibleRows), page = true; break;
    case OVERVIEW_KEY_PAGE_DOWN: row += std::max(1, visibleRows), page = true; break;
    case OVERVIEW_KEY_HOME: col = 0; break;
    case OVERVIEW_KEY_END: col = 15; break;
    case OVERVIEW_KEY_FIRST: row = 0, col = 0; break;
    case OVERVIEW_KEY_LAST: row = rows - 1, col = 15; break;
  }
  if (row < 0 || row >= rows) {
    if (wrap && !page) {
      row = (row + rows) % rows;
    } else if (key == OVERVIEW_KEY_LEFT || key == OVERVIEW_KEY_RIGHT) {
      return code;  // at the first or last code: stays
    } else {
      row = std::clamp(row, 0, rows - 1);
    }
  }
  return static_cast<unsigned>(listed[row] * 16 + col);
}

int OVERVIEW_PageRows(int clientHeight, int rowHeight) {
  return rowHeight > 0 ? std::max(0, clientHeight) / rowHeight + 1 : 1;
}

int OVERVIEW_HorizontalRange(const FontDoc* doc, int longestNameWidth) {
  if (!doc) return 0;
  const int width = 16 * std::clamp(static_cast<int>(doc->MaxWidth), 0, static_cast<int>(OVERVIEW_MAX_WIDTH));
  if (doc->Encoding != FONT_ENC_UNICODE) return width + 388;
  return width + 408 + longestNameWidth;
}

int OVERVIEW_FirstRowShowing(int row, int firstRow, int clientHeight, int rowHeight) {
  if (rowHeight <= 0) return firstRow;
  const int whole = std::max(1, clientHeight / rowHeight);  // rows shown completely
  if (row < firstRow) return row;
  if (row >= firstRow + whole) return row - whole + 1;
  return firstRow;
}

int OVERVIEW_OffsetShowing(const OverviewGeometry& g, int column, int xOffset, int clientWidth) {
  const int left = OVERVIEW_CellX(g, column);
  const int right = left + g.CellWidth + 1;
  if (left - OVERVIEW_CODE_COLUMN < xOffset) return std::max(0, left - OVERVIEW_CODE_COLUMN);
  if (right > xOffset + clientWidth) return std::max(0, right - clientWidth);
  return xOffset;
}
