// Tab stops for a listing whose tab runs were counted for one font: each line gets stops
// of its own, so every field lands in the column its tab run aimed at in any font.
//
// The column a run aims at is read from the text: each block of one-line entries
// indented alike is laid out on evenly spaced stops, at the spacing under which its
// fields line up best; a field that still stands out of line joins the column most of
// the block uses. The columns are then spaced at the spacing that suits the whole
// listing best, and further apart where a field needs room: every field ends at least a
// character before the next column.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Width of a piece of text (no tabs) in the font of the view, in pixels.
using TabTextWidth = std::function<double(const std::string&)>;

// Per line, the tab stops in pixels from the line's start, in increasing order. charWidth
// is the font's average character width: the even spacing is sought between 4 and 14 of
// them (8 preferred), and a field keeps one of them free before the next column.
std::vector<std::vector<double>> TABCOL_LineStops(const std::vector<std::string>& lines, const TabTextWidth& width,
                                                  double charWidth);
