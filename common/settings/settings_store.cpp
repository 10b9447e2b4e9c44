// Settings store over small text files, one per key, replaced atomically
// (temporary file, fsync, rename) so a crash never leaves half a file.
#include "common/settings/settings_store.h"

#include "common/settings/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Value = SettingsValue;

std::string config_home() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : "/tmp") + "/.config";
}

std::vector<Value> load_key(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return SETTINGS_ParseText(text.str());
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

int store_key(const std::string& path, const std::vector<Value>& values) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos || !make_dirs(path.substr(0, slash))) return 1;
  std::string text = SETTINGS_FormatText(values);
  std::string tmp = path + ".tmp." + std::to_string(getpid());
  int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
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
  return 0;
}

const Value* find(const std::vector<Value>& values, const char* name) {
  for (const auto& v : values)
    if (v.Name == name) return &v;
  return nullptr;
}

int write_value(const char* keyPath, Value v) {
  if (!SETTINGS_ValidName(v.Name.c_str())) return 1;
  std::string path = SETTINGS_KeyFile(keyPath);
  if (path.empty()) return 1;
  std::vector<Value> values = load_key(path);
  bool replaced = false;
  for (auto& old : values)
    if (old.Name == v.Name) {
      old = v;
      replaced = true;
    }
  if (!replaced) values.push_back(std::move(v));
  return store_key(path, values);
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
  for (const auto& p : parts) path += "/" + p;
  return path + ".ini";
}

int SETTINGS_Read(const char* keyPath, const char* name, void* buffer, size_t size) {
  std::string path = SETTINGS_KeyFile(keyPath);
  if (path.empty()) return 1;
  std::vector<Value> values = load_key(path);
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
  std::string path = SETTINGS_KeyFile(keyPath);
  if (path.empty()) return 1;
  std::vector<Value> values = load_key(path);
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
  std::string path = SETTINGS_KeyFile(keyPath);
  if (path.empty()) return 1;
  std::vector<Value> values = load_key(path);
  std::vector<Value> kept;
  for (auto& v : values)
    if (v.Name != name) kept.push_back(std::move(v));
  if (kept.size() == values.size()) return 0;
  return store_key(path, kept);
}
