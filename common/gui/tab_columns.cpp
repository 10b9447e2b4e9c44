// Column inference by trying even spacings, then columns spread to fit the widest field.
#include "common/gui/tab_columns.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

namespace {

// A piece of text followed by a run of tabs.
struct Run {
  double Width;
  int Tabs;
};

struct Line {
  int Lead = 0;  // tabs before the first text
  std::vector<Run> Runs;
};

// Lines next to each other, indented alike, each with a run: their fields should share columns.
struct Block {
  size_t First, Count;
};

Line parse(const std::string& text, const TabTextWidth& width) {
  Line line;
  size_t i = 0;
  while (i < text.size() && text[i] == '\t') ++i;
  line.Lead = static_cast<int>(i);
  while (i < text.size()) {
    const size_t end = std::min(text.find('\t', i), text.size());
    const std::string piece = text.substr(i, end - i);
    i = end;
    int tabs = 0;
    while (i < text.size() && text[i] == '\t') ++i, ++tabs;
    if (tabs) line.Runs.push_back({width(piece), tabs});
  }
  return line;
}

// The stop index each run of the line reaches with stops every `spacing` pixels.
std::vector<int> landing(const Line& line, double spacing) {
  std::vector<int> stops;
  double x = line.Lead * spacing;
  for (const Run& r : line.Runs) {
    const int k = static_cast<int>(std::floor((x + r.Width) / spacing)) + r.Tabs;
    stops.push_back(k);
    x = k * spacing;
  }
  return stops;
}

// How many columns more than one the fields of each run index of the block spread over.
int misfit(const std::vector<Line>& lines, const Block& b, double spacing) {
  std::vector<std::set<int>> columns;
  for (size_t i = b.First; i < b.First + b.Count; ++i) {
    const std::vector<int> stops = landing(lines[i], spacing);
    if (columns.size() < stops.size()) columns.resize(stops.size());
    for (size_t j = 0; j < stops.size(); ++j) columns[j].insert(stops[j]);
  }
  int n = 0;
  for (const auto& c : columns) n += static_cast<int>(c.size()) - 1;
  return n;
}

// The columns the fields of the lines of the blocks land in.
std::set<int> columns_of(const std::vector<Line>& lines, const std::vector<Block>& blocks, double spacing) {
  std::set<int> used;
  for (const Block& b : blocks)
    for (size_t i = b.First; i < b.First + b.Count; ++i)
      for (int k : landing(lines[i], spacing)) used.insert(k);
  return used;
}

// A spacing is better with fewer misfits, then with fewer columns that are not also the
// indentation of some line (`known`), then nearer `preferred`.
double best_spacing(const std::vector<Line>& lines, const std::vector<Block>& blocks, const std::set<int>& known,
                    double charWidth, double preferred) {
  double best = preferred;
  int bestMisfit = -1, bestNew = 0;
  for (double s = 4 * charWidth; s <= 14 * charWidth; s += 0.25) {
    int m = 0;
    for (const Block& b : blocks) m += misfit(lines, b, s);
    int fresh = 0;
    for (int k : columns_of(lines, blocks, s)) fresh += known.count(k) == 0;
    const auto rank = std::tuple(m, fresh, std::abs(s - preferred));
    if (bestMisfit < 0 || rank < std::tuple(bestMisfit, bestNew, std::abs(best - preferred))) {
      best = s;
      bestMisfit = m;
      bestNew = fresh;
    }
  }
  return best;
}

// A line followed by a deeper indented one heads an entry of several lines: its fields
// need not line up with those of one-line entries, so it is a block of its own.
std::vector<Block> blocks_of(const std::vector<Line>& lines) {
  auto heads = [&](size_t i) { return i + 1 < lines.size() && lines[i + 1].Lead > lines[i].Lead; };
  std::vector<Block> blocks;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].Runs.empty()) continue;
    if (!blocks.empty() && !heads(i)) {
      Block& last = blocks.back();
      if (last.First + last.Count == i && lines[last.First].Lead == lines[i].Lead && !heads(i - 1)) {
        ++last.Count;
        continue;
      }
    }
    blocks.push_back({i, 1});
  }
  return blocks;
}

// Where even the block's best spacing leaves a field out of line (a name that the tab
// count took for narrower), the field joins the column most of the block's fields use.
void align_block(const Block& b, const std::vector<Line>& lines, std::vector<std::vector<int>>* column) {
  for (size_t j = 0;; ++j) {
    std::map<int, int> votes;
    for (size_t i = b.First; i < b.First + b.Count; ++i)
      if (j < (*column)[i].size()) ++votes[(*column)[i][j]];
    if (votes.empty()) return;
    int mode = votes.begin()->first;
    for (const auto& [k, n] : votes)
      if (n >= votes[mode]) mode = k;
    for (size_t i = b.First; i < b.First + b.Count; ++i) {
      std::vector<int>& c = (*column)[i];
      if (j >= c.size()) continue;
      const int from = j ? c[j - 1] : lines[i].Lead;
      c[j] = std::max(mode, from + 1);
      for (size_t later = j + 1; later < c.size(); ++later) c[later] = std::max(c[later], c[later - 1] + 1);
    }
  }
}

}  // namespace

std::vector<std::vector<double>> TABCOL_LineStops(const std::vector<std::string>& texts, const TabTextWidth& width,
                                                  double charWidth) {
  charWidth = std::max(charWidth, 1.0);
  std::vector<Line> lines;
  for (const std::string& t : texts) lines.push_back(parse(t, width));
  const std::vector<Block> blocks = blocks_of(lines);

  // The column of every run, from each block's own spacing; the listing's spacing
  // spaces the columns.
  std::set<int> indents;
  for (const Line& l : lines) indents.insert(l.Lead);
  const double overall = best_spacing(lines, blocks, indents, charWidth, 8 * charWidth);
  std::vector<std::vector<int>> column(lines.size());
  for (const Block& b : blocks) {
    const double spacing = best_spacing(lines, {b}, indents, charWidth, 8 * charWidth);
    for (size_t i = b.First; i < b.First + b.Count; ++i) column[i] = landing(lines[i], spacing);
    align_block(b, lines, &column);
  }

  // Columns spread evenly, each moved right as far as the fields before it need.
  int last = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    last = std::max(last, lines[i].Lead);
    for (int k : column[i]) last = std::max(last, k);
  }
  std::vector<double> x(static_cast<size_t>(last) + 1, 0.0);
  for (int k = 1; k <= last; ++k) {
    x[k] = x[k - 1] + overall;
    for (size_t i = 0; i < lines.size(); ++i) {
      int from = lines[i].Lead;
      for (size_t j = 0; j < column[i].size(); ++j) {
        if (column[i][j] == k) x[k] = std::max(x[k], x[from] + lines[i].Runs[j].Width + charWidth);
        from = column[i][j];
      }
    }
  }

  // Each line's own stops: the indentation, then for every run the stops it passes on
  // the way (spread between its text and its column) and the column itself.
  std::vector<std::vector<double>> stops(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    std::vector<double>& s = stops[i];
    for (int k = 1; k <= lines[i].Lead; ++k) s.push_back(x[k]);
    int from = lines[i].Lead;
    for (size_t j = 0; j < column[i].size(); ++j) {
      const Run& r = lines[i].Runs[j];
      const double end = x[from] + r.Width;
      const double target = x[column[i][j]];
      for (int t = 1; t < r.Tabs; ++t) s.push_back(end + (target - end) * t / r.Tabs);
      s.push_back(target);
      from = column[i][j];
    }
  }
  return stops;
}
