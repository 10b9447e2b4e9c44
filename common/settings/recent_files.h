// Recent-file lists of the File menu, persisted as string values "File1".."FileN"
// under their settings key. A listed file opened again keeps its place, or moves to the
// top with RECENT_FLAG_REOPEN_TO_TOP.
#pragma once

#include <string>
#include <vector>

enum {
  RECENT_MAX_PATH_CHARS = 259,
  RECENT_MAX_ENTRIES = 16,
  RECENT_FLAG_SEPARATOR = 1,      // a separator precedes the items (identifiers start one later)
  RECENT_FLAG_SUBMENU = 2,        // the list fills a whole submenu ("Empty" when it has no entry)
  RECENT_FLAG_REOPEN_TO_TOP = 4,  // a listed file added again becomes the newest entry
};

struct RecentFileList {
  std::string Key;
  int Max = 1;
  unsigned FirstId = 0;
  unsigned Flags = 0;
  std::vector<std::string> Entries;  // newest first
};

struct RecentMenuItem {
  std::string Text;
  unsigned Id;
  bool Enabled;
  bool Separator;
};

// Sets the list up and reads its entries (missing values are skipped, the rest packed).
// max is clamped to 1..RECENT_MAX_ENTRIES.
void RECENT_Init(RecentFileList* list, const char* key, int max, unsigned firstId,
                 unsigned flags = 0);
// Adds a path as the newest entry and stores the list. Paths longer than
// RECENT_MAX_PATH_CHARS are not listed.
void RECENT_Add(RecentFileList* list, const char* path);
// The entry a menu command identifier stands for, or null.
const char* RECENT_Get(const RecentFileList* list, unsigned commandId);
// The menu items in order ("&1 path", ...), including the separator and "Empty" items.
std::vector<RecentMenuItem> RECENT_MenuItems(const RecentFileList* list);
