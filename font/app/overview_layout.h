// The overview's geometry and navigation as plain code: rows of 16 codes, the listed
// blocks of each view mode, hit tests, key moves and scroll ranges.
#pragma once

#include <vector>

#include "font/model/font_doc.h"

enum {
  OVERVIEW_CODE_COLUMN = 50,
  OVERVIEW_GLYPH_X = 10,
  OVERVIEW_NAME_GAP = 20,
  OVERVIEW_MAX_WIDTH = 4096,  // widths and heights are taken up to this
};

struct OverviewGeometry {
  int RowHeight;  // max(font height, 16) + 1
  int CellWidth;  // maximum character width + 21 (the cell plus its line)
  int CellFill;   // maximum character width + 20
  int FillHeight; // max(font height, 16)
};

OverviewGeometry OVERVIEW_Geometry(const FontDoc* doc);
// Left edge of cell 0..15 and the x of the block name (20 pixels after the last cell).
int OVERVIEW_CellX(const OverviewGeometry& g, int column);
int OVERVIEW_NameX(const OverviewGeometry& g);

// The blocks shown, one per row, in code order: every block of the document, or only
// the used ones in the enabled-only mode.
std::vector<int> OVERVIEW_ListedBlocks(const FontDoc* doc, bool enabledOnly);
// Row of a code among the listed blocks, -1 when its block is not listed.
int OVERVIEW_RowOfCode(const std::vector<int>& listed, unsigned code);

// The code under a point of the client area with the first shown row and the
// horizontal scroll offset; -1 left of the cells, right of the last cell or below the
// last row.
int OVERVIEW_CodeAt(const OverviewGeometry& g, const std::vector<int>& listed, int firstRow, int xOffset, int x,
                    int y);

enum OverviewKey {
  OVERVIEW_KEY_LEFT,
  OVERVIEW_KEY_RIGHT,
  OVERVIEW_KEY_UP,
  OVERVIEW_KEY_DOWN,
  OVERVIEW_KEY_PAGE_UP,
  OVERVIEW_KEY_PAGE_DOWN,
  OVERVIEW_KEY_HOME,
  OVERVIEW_KEY_END,
  OVERVIEW_KEY_FIRST,  // Ctrl+Home
  OVERVIEW_KEY_LAST,   // Ctrl+End
};

// The code a key moves to. Steps of one code or one row beyond the listed blocks
// wrap round in the enabled-only mode and stop at the ends otherwise; pages stop at
// the first or last row. A code outside the listed blocks starts from the next listed one.
unsigned OVERVIEW_Navigate(const std::vector<int>& listed, bool wrap, unsigned code, OverviewKey key,
                           int visibleRows);

// Rows a page holds: client height / row height + 1.
int OVERVIEW_PageRows(int clientHeight, int rowHeight);
// Horizontal scroll range in pixels: 16 x maximum width + 388, or for 16-bit codes
// 16 x maximum width + 408 + the width of the longest area name.
int OVERVIEW_HorizontalRange(const FontDoc* doc, int longestNameWidth);
// The first row to show so that the row is visible (the first row kept when it is).
int OVERVIEW_FirstRowShowing(int row, int firstRow, int clientHeight, int rowHeight);
// The horizontal offset to show a cell whole (kept when it is visible).
int OVERVIEW_OffsetShowing(const OverviewGeometry& g, int column, int xOffset, int clientWidth);
