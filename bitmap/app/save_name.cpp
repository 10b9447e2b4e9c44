// Save dialog names and filters.
#include "bitmap/app/save_name.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

const FileFilter RASTREL_aSaveFilters[RASTREL_NUM_SAVE_FILTERS] = {
    {"\"C\" bitmap file (*.c)", "*.c"},
    {"Windows Bitmap file (*.bmp)", "*.bmp"},
    {"\"C\" stream (*.dta)", "*.dta"},
    {"Graphics interchange format(*.gif)", "*.gif"},
    {"Portable Network Graphics (*.png)", "*.png"},
};

const FileFilter RASTREL_aOpenFilters[2] = {
    {"Image file (*.bmp, *.gif, *.sbmp, *.png, *.jp*)", "*.bmp;*.gif;*.sbmp;*.png; *.jp*"},
    {"All files (*.*)", "*"},
};

std::string RASTREL_NumberedName(const std::string& folder, const char* base, const char* ext) {
  std::error_code ec;
  for (int i = 0; i < 1000; ++i) {
    char name[64];
    std::snprintf(name, sizeof(name), "%s_%03d.%s", base, i, ext);
    const std::filesystem::path p = std::filesystem::path(folder) / name;
    if (!std::filesystem::exists(p, ec)) return p.string();
  }
  return {};
}

std::string RASTREL_DesktopFolder() {
  const char* desktop = std::getenv("XDG_DESKTOP_DIR");
  if (desktop && *desktop) return desktop;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/Desktop";
}

std::string RASTREL_InitialSaveName(const std::string& current) {
  if (current.empty()) return RASTREL_NumberedName(RASTREL_DesktopFolder(), "Image", "gif");
  if (current.back() == '/') return RASTREL_NumberedName(current, "Image", "gif");
  return current;
}
