// Tab stops for a listing whose tab runs were counted for one font: each line gets stops
// of its own, so every field lands in the column its tab run aimed at in any font.
//
// The column a run aims at is read from the text: the listing is laid out on evenly
// spaced stops, at the spacing under which its fields line up best, first over the whole
// listing, then within each block of one-line entries indented alike; a field the block's
// spacing still leaves out of line joins the column most of the block uses. The columns
// are then spread so that every field ends at least a character before the next one.
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
