// Recent-file list models and their persistence in the settings store.
#include "common/settings/recent_files.h"

#include <strings.h>

#include <cstdio>
#include <string>

#include "common/settings/settings_store.h"

static std::string value_name(int i) { return "File" + std::to_string(i); }

static unsigned first_item_id(const RecentFileList* list) {
  return list->FirstId + ((list->Flags & RECENT_FLAG_SEPARATOR) ? 1 : 0);
}

static void store(const RecentFileList* list) {
  for (size_t i = 0; i < list->Entries.size(); ++i)
    SETTINGS_WriteString(list->Key.c_str(), value_name(static_cast<int>(i) + 1).c_str(),
                         list->Entries[i].c_str());
}

void RECENT_Init(RecentFileList* list, const char* key, int max, unsigned firstId,
                 unsigned flags) {
  list->Key = key;
  list->Max = max < 1 ? 1 : (max > RECENT_MAX_ENTRIES ? RECENT_MAX_ENTRIES : max);
  list->FirstId = firstId;
  list->Flags = flags;
  list->Entries.clear();
  for (int i = 1; i <= list->Max; ++i) {
    std::string path;
    if (SETTINGS_ReadString(key, value_name(i).c_str(), &path) != 0) continue;
    if (path.empty() || path.size() > RECENT_MAX_PATH_CHARS) continue;
    list->Entries.push_back(path);
  }
}

void RECENT_Add(RecentFileList* list, const char* path) {
  if (!path || !*path || std::string(path).size() > RECENT_MAX_PATH_CHARS) return;
  for (size_t i = 0; i < list->Entries.size(); ++i) {
    if (strcasecmp(list->Entries[i].c_str(), path) != 0) continue;
    if (!(list->Flags & RECENT_FLAG_REOPEN_TO_TOP)) return;
    list->Entries.erase(list->Entries.begin() + static_cast<long>(i));
    break;
  }
  list->Entries.insert(list->Entries.begin(), path);
  if (static_cast<int>(list->Entries.size()) > list->Max) list->Entries.resize(list->Max);
  store(list);
}

const char* RECENT_Get(const RecentFileList* list, unsigned commandId) {
  unsigned first = first_item_id(list);
  if (commandId < first) return nullptr;
  size_t i = commandId - first;
  return i < list->Entries.size() ? list->Entries[i].c_str() : nullptr;
}

std::vector<RecentMenuItem> RECENT_MenuItems(const RecentFileList* list) {
  std::vector<RecentMenuItem> items;
  if (list->Flags & RECENT_FLAG_SEPARATOR) items.push_back({"", 0, true, true});
  if ((list->Flags & RECENT_FLAG_SUBMENU) && list->Entries.empty())
    items.push_back({"Empty", 0, false, false});
  unsigned first = first_item_id(list);
  for (size_t i = 0; i < list->Entries.size(); ++i) {
    char prefix[16];
    std::snprintf(prefix, sizeof(prefix), "&%d ", static_cast<int>(i) + 1);
    items.push_back({prefix + list->Entries[i], first + static_cast<unsigned>(i), true, false});
  }
  return items;
}
