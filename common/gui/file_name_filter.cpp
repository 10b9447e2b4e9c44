// Extension handling of the file dialogs.
#include "common/gui/file_name_filter.h"

std::string GUI_FilterExtension(const char* patterns) {
  if (!patterns) return {};
  std::string first(patterns);
  first = first.substr(0, first.find(';'));
  if (first.rfind("*.", 0) != 0) return {};
  std::string ext = first.substr(2);
  if (ext.empty() || ext.find_first_of("*?") != std::string::npos) return {};
  return ext;
}

std::string GUI_NameForFilter(const std::string& name, const char* patterns) {
  const std::string ext = GUI_FilterExtension(patterns);
  if (ext.empty()) return name;
  const size_t slash = name.rfind('/');
  const size_t start = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = name.find('.', start);
  const std::string stem = name.substr(0, dot == std::string::npos ? name.size() : dot);
  if (stem.size() == start) return name;  // no file name part to carry the extension
  return stem + "." + ext;
}
