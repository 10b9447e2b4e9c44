// Settings store over small text files, one per key. A write is a read-modify-write
// under an advisory lock on the key file's folder, through an exclusive temporary file that
// is synced and renamed over the key file, so concurrent programs lose no value and a
// crash never leaves half a file. Reads are cached per key file until it changes.
#include "common/settings/settings_store.h"

#include "common/settings/settings_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Value = SettingsValue;

// The user's home from the user database when HOME is unset (cron, env -i, services);
// never a folder other users share.
std::string config_home() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.config";
  struct passwd pw;
  struct passwd* found = nullptr;
  char buffer[4096];
  if (getpwuid_r(getuid(), &pw, buffer, sizeof(buffer), &found) == 0 && found && found->pw_dir &&
      found->pw_dir[0] == '/')
    return std::string(found->pw_dir) + "/.config";
  return "";
}

enum LoadStatus { LOAD_OK, LOAD_UNREADABLE };

struct CachedKey {
  dev_t Device;
  ino_t Inode;
  off_t Size;
  struct timespec Modified;
  std::vector<Value> Values;
};

std::map<std::string, CachedKey>& cache() {
  static std::map<std::string, CachedKey> keys;
  return keys;
}

bool same_file(const CachedKey& c, const struct stat& st) {
  return c.Device == st.st_dev && c.Inode == st.st_ino && c.Size == st.st_size &&
         c.Modified.tv_sec == st.st_mtim.tv_sec && c.Modified.tv_nsec == st.st_mtim.tv_nsec;
}

// A missing file is an empty key; one that cannot be read, is not a regular file or is
// larger than a settings file can be is unreadable (its values read as absent, and it
// is never replaced by a write).
LoadStatus load_key(const std::string& path, std::vector<Value>* values) {
  values->clear();
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    cache().erase(path);
    return errno == ENOENT ? LOAD_OK : LOAD_UNREADABLE;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > SETTINGS_MAX_FILE_BYTES) {
    close(fd);
    cache().erase(path);
    return LOAD_UNREADABLE;
  }
  auto it = cache().find(path);
  if (it != cache().end() && same_file(it->second, st)) {
    close(fd);
    *values = it->second.Values;
    return LOAD_OK;
  }
  std::string text(static_cast<size_t>(st.st_size), '\0');
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = read(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  close(fd);
  text.resize(done);
  *values = SETTINGS_ParseText(text);
  cache()[path] = CachedKey{st.st_dev, st.st_ino, st.st_size, st.st_mtim, *values};
  return LOAD_OK;
}

bool make_dirs(const std::string& dir) {
  std::string partial;
  size_t pos = 0;
  while (pos != std::string::npos) {
    pos = dir.find('/', pos + 1);
    partial = dir.substr(0, pos);
    if (partial.empty()) continue;
    if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

std::string folder_of(const std::string& path) { return path.substr(0, path.rfind('/')); }
std::string base_of(const std::string& path) { return path.substr(path.rfind('/') + 1); }
std::string temp_prefix(const std::string& path) { return base_of(path) + ".tmp-"; }

// Temporary files of this key left by a writer that died: every writer holds the lock
// while its temporary file exists, so under the lock any such file is stale.
void remove_stale_temporaries(const std::string& path) {
  const std::string prefix = temp_prefix(path);
  DIR* d = opendir(folder_of(path).c_str());
  if (!d) return;
  while (dirent* e = readdir(d))
    if (std::strncmp(e->d_name, prefix.c_str(), prefix.size()) == 0)
      unlinkat(dirfd(d), e->d_name, 0);
  closedir(d);
}

// Holds the advisory lock of the key file's folder for its lifetime.
struct KeyLock {
  int Fd = -1;
  explicit KeyLock(const std::string& path) {
    Fd = open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd < 0) return;
    while (flock(Fd, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      close(Fd);
      Fd = -1;
      return;
    }
  }
  ~KeyLock() {
    if (Fd >= 0) close(Fd);  // releases the lock
  }
  bool Held() const { return Fd >= 0; }
};

int store_key(const std::string& path, const std::vector<Value>& values) {
  std::string text = SETTINGS_FormatText(values);
  std::string tmp = folder_of(path) + "/" + temp_prefix(path) + "XXXXXX";
  int fd = mkostemp(tmp.data(), O_CLOEXEC);  // exclusive, mode 0600, unpredictable name
  if (fd < 0) return 1;
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      close(fd);
      unlink(tmp.c_str());
      return 1;
    }
    done += static_cast<size_t>(n);
  }
  if (fsync(fd) != 0 || close(fd) != 0 || rename(tmp.c_str(), path.c_str()) != 0) {
    unlink(tmp.c_str());
    return 1;
  }
  cache().erase(path);
  return 0;
}

bool same_values(const std::vector<Value>& a, const std::vector<Value>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].Name != b[i].Name || a[i].Type != b[i].Type || a[i].Data != b[i].Data) return false;
  return true;
}

int update_key(const char* keyPath, const std::function<void(std::vector<SettingsValue>&)>& change) {
  std::string path = SETTINGS_KeyFile(keyPath);
  if (path.empty() || !make_dirs(folder_of(path))) return 1;
  KeyLock lock(path);
  if (!lock.Held()) return 1;
  remove_stale_temporaries(path);
  std::vector<Value> values;
  if (load_key(path, &values) != LOAD_OK) return 1;
  const std::vector<Value> before = values;
  change(values);
  // A key whose values stay as they were is not written again: every job reopening the
  // same image would otherwise rewrite (and sync) its recent-file list.
  if (same_values(before, values)) return 0;
  return store_key(path, values);
}

const Value* find(const std::vector<Value>& values, const char* name) {
  for (const auto& v : values)
    if (v.Name == name) return &v;
  return nullptr;
}

int write_value(const char* keyPath, Value v) {
  if (!SETTINGS_ValidName(v.Name.c_str())) return 1;
  return update_key(keyPath, [&](std::vector<Value>& values) {
    for (auto& old : values)
      if (old.Name == v.Name) {
        old = v;
        return;
      }
    values.push_back(v);
  });
}

std::vector<Value> read_key(const char* keyPath) {
  std::vector<Value> values;
  std::string path = SETTINGS_KeyFile(keyPath);
  if (!path.empty()) load_key(path, &values);
  return values;
}

}  // namespace

std::string SETTINGS_KeyFile(const char* keyPath) {
  std::string key = keyPath ? keyPath : "";
  std::vector<std::string> parts;
  std::string part;
  for (char c : key) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  if (!parts.empty() && parts[0] == "Software") parts.erase(parts.begin());
  if (parts.empty()) return "";
  for (const auto& p : parts)
    if (p == "." || p == "..") return "";
  std::string path = config_home();
  if (path.empty()) return "";
  for (const auto& p : parts) path += "/" + p;
  return path + ".ini";
}

int SETTINGS_Read(const char* keyPath, const char* name, void* buffer, size_t size) {
  std::vector<Value> values = read_key(keyPath);
  const Value* v = find(values, name);
  if (!v) return 1;
  if (v->Type == SETTINGS_DWORD) {
    if (size != 4) return 1;
    uint32_t n = static_cast<uint32_t>(std::strtoul(v->Data.c_str(), nullptr, 10));
    std::memcpy(buffer, &n, 4);
    return 0;
  }
  if (v->Type == SETTINGS_SZ) {
    if (v->Data.size() + 1 > size) return 1;
    std::memcpy(buffer, v->Data.c_str(), v->Data.size() + 1);
    return 0;
  }
  if (v->Data.size() != size) return 1;
  std::memcpy(buffer, v->Data.data(), size);
  return 0;
}

int SETTINGS_ReadString(const char* keyPath, const char* name, std::string* value) {
  std::vector<Value> values = read_key(keyPath);
  const Value* v = find(values, name);
  if (!v || v->Type != SETTINGS_SZ) return 1;
  *value = v->Data;
  return 0;
}

int SETTINGS_ReadDword(const char* keyPath, const char* name, uint32_t* value) {
  return SETTINGS_Read(keyPath, name, value, sizeof(*value));
}

int SETTINGS_WriteBinary(const char* keyPath, const char* name, const void* data, size_t size) {
  return write_value(keyPath, Value{name ? name : "", SETTINGS_BINARY,
                                    std::string(static_cast<const char*>(data), size)});
}

int SETTINGS_WriteString(const char* keyPath, const char* name, const char* value) {
  return write_value(keyPath, Value{name ? name : "", SETTINGS_SZ, value ? value : ""});
}

int SETTINGS_WriteDword(const char* keyPath, const char* name, uint32_t value) {
  return write_value(keyPath, Value{name ? name : "", SETTINGS_DWORD, std::to_string(value)});
}

int SETTINGS_Delete(const char* keyPath, const char* name) {
  std::vector<Value> current = read_key(keyPath);
  if (!find(current, name)) return 0;
  return update_key(keyPath, [&](std::vector<Value>& values) {
    std::vector<Value> kept;
    for (auto& v : values)
      if (v.Name != name) kept.push_back(std::move(v));
    values = std::move(kept);
  });
}

int SETTINGS_Update(const char* keyPath, const std::function<void(std::vector<SettingsValue>&)>& change) {
  return update_key(keyPath, change);
}
