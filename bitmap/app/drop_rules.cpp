// Decisions on dropped items.
#include "bitmap/app/drop_rules.h"

#include "bitmap/document/image.h"

namespace {

std::string base_name(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

DropDecision RASTREL_DecideDrop(const std::vector<DroppedItem>& items) {
  DropDecision d;
  if (items.empty() || !items.front().Local || items.front().Path.empty()) {
    d.Warning = "Only local files can be dropped here.";
    return d;
  }
  const DroppedItem& first = items.front();
  const std::string name = base_name(first.Path);
  if (first.IsDir) {
    d.Warning = "\"" + name + "\" is a folder. Drop an image file (BMP, GIF, PNG, JPEG or SBMP).";
    return d;
  }
  if (IMAGE_TypeFromName(first.Path.c_str(), nullptr) < 0) {
    d.Warning = "\"" + name + "\" is not an image file. Drop a BMP, GIF, PNG, JPEG or SBMP file.";
    return d;
  }
  d.Open = first.Path;
  if (items.size() > 1)
    d.Status = std::to_string(items.size()) + " files dropped: only the first, " + name + ", was opened.";
  return d;
}
