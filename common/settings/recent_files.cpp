// Recent-file list models and their persistence in the settings store.
#include "common/settings/recent_files.h"

#include <strings.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "common/settings/settings_file.h"
#include "common/settings/settings_store.h"

static std::string value_name(int i) { return "File" + std::to_string(i); }

static unsigned first_item_id(const RecentFileList* list) {
  return list->FirstId + ((list->Flags & RECENT_FLAG_SEPARATOR) ? 1 : 0);
}

static bool listable(const std::string& path) {
  return !path.empty() && path.size() <= RECENT_MAX_PATH_CHARS;
}

// The entries "File1".."FileN" of a key's values, missing ones skipped.
static std::vector<std::string> stored_entries(const std::vector<SettingsValue>& values, int max) {
  std::vector<std::string> entries;
  for (int i = 1; i <= max; ++i) {
    for (const auto& v : values) {
      if (v.Name != value_name(i)) continue;
      if (v.Type == SETTINGS_SZ && listable(v.Data)) entries.push_back(v.Data);
      break;
    }
  }
  return entries;
}

// Puts path first; false when the list stays as it was.
static bool add_entry(std::vector<std::string>* entries, const std::string& path, int max,
                      unsigned flags) {
  for (size_t i = 0; i < entries->size(); ++i) {
    if (strcasecmp((*entries)[i].c_str(), path.c_str()) != 0) continue;
    if (!(flags & RECENT_FLAG_REOPEN_TO_TOP)) return false;
    entries->erase(entries->begin() + static_cast<long>(i));
    break;
  }
  entries->insert(entries->begin(), path);
  if (static_cast<int>(entries->size()) > max) entries->resize(max);
  return true;
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
    if (listable(path)) list->Entries.push_back(path);
  }
}

// A name given relative to the working folder (a job's "logo.bmp") is listed with the
// folder, so the entry still opens from a window started anywhere else.
static std::string absolute_path(const char* name) {
  if (name[0] == '/' || name[0] == '\0') return name;
  char cwd[4096];
  if (!getcwd(cwd, sizeof(cwd))) return name;
  std::string path = cwd;
  if (path.back() != '/') path += '/';
  while (name[0] == '.' && name[1] == '/') name += 2;
  return path + name;
}

// The stored list is read again under the store's lock and the path added to it, so
// files another instance added meanwhile are kept. A list that cannot be read is not
// replaced: the path is then only added to this program's list.
void RECENT_Add(RecentFileList* list, const char* name) {
  if (!name) return;
  const std::string absolute = absolute_path(name);
  const char* path = absolute.c_str();
  if (!listable(path)) return;
  const int stored = SETTINGS_Update(list->Key.c_str(), [&](std::vector<SettingsValue>& values) {
    std::vector<std::string> entries = stored_entries(values, list->Max);
    add_entry(&entries, path, list->Max, list->Flags);
    std::vector<SettingsValue> kept;
    for (auto& v : values) {
      bool listEntry = false;
      for (int i = 1; i <= RECENT_MAX_ENTRIES && !listEntry; ++i) listEntry = v.Name == value_name(i);
      if (!listEntry) kept.push_back(std::move(v));
    }
    for (size_t i = 0; i < entries.size(); ++i)
      kept.push_back({value_name(static_cast<int>(i) + 1), SETTINGS_SZ, entries[i]});
    values = std::move(kept);
    list->Entries = entries;
  });
  if (stored != 0) add_entry(&list->Entries, path, list->Max, list->Flags);
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
