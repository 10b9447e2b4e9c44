// Settings store over small text files, one per key, replaced atomically
// (temporary file, fsync, rename) so a crash never leaves half a file.
#include "common/settings/settings_store.h"

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

struct Value {
  std::string Name;
  SettingsType Type;
  std::string Data;  // raw bytes (binary), text (sz) or decimal digits (dword)
};

std::string config_home() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : "/tmp") + "/.config";
}

bool valid_name(const char* name) {
  if (!name || !*name) return false;
  for (const char* p = name; *p; ++p)
    if (*p == '=' || *p == '\n' || *p == '\r') return false;
  return true;
}

std::string escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

bool unescape(const std::string& s, std::string* out) {
  out->clear();
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\') {
      *out += s[i];
      continue;
    }
    if (++i >= s.size()) return false;
    if (s[i] == '\\') *out += '\\';
    else if (s[i] == 'n') *out += '\n';
    else if (s[i] == 'r') *out += '\r';
    else return false;
  }
  return true;
}

int hex_nibble(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool parse_line(const std::string& line, Value* v) {
  size_t eq = line.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  size_t colon = line.find(':', eq + 1);
  if (colon == std::string::npos) return false;
  v->Name = line.substr(0, eq);
  std::string type = line.substr(eq + 1, colon - eq - 1);
  std::string data = line.substr(colon + 1);
  if (type == "sz") {
    v->Type = SETTINGS_SZ;
    return unescape(data, &v->Data);
  }
  if (type == "dword") {
    if (data.empty() || data.size() > 10) return false;
    uint64_t n = 0;
    for (char c : data) {
      if (c < '0' || c > '9') return false;
      n = n * 10 + static_cast<uint64_t>(c - '0');
    }
    if (n > 0xFFFFFFFFu) return false;
    v->Type = SETTINGS_DWORD;
    v->Data = data;
    return true;
  }
  if (type == "binary") {
    if (data.size() % 2) return false;
    v->Type = SETTINGS_BINARY;
    v->Data.clear();
    for (size_t i = 0; i < data.size(); i += 2) {
      int hi = hex_nibble(data[i]), lo = hex_nibble(data[i + 1]);
      if (hi < 0 || lo < 0) return false;
      v->Data += static_cast<char>(hi * 16 + lo);
    }
    return true;
  }
  return false;
}

std::string format_line(const Value& v) {
  static const char kHex[] = "0123456789abcdef";
  std::string s = v.Name + "=";
  switch (v.Type) {
    case SETTINGS_SZ: s += "sz:" + escape(v.Data); break;
    case SETTINGS_DWORD: s += "dword:" + v.Data; break;
    case SETTINGS_BINARY:
      s += "binary:";
      for (unsigned char c : v.Data) {
        s += kHex[c >> 4];
        s += kHex[c & 15];
      }
      break;
  }
  return s;
}

// Lines that do not parse are dropped: a damaged file reads as absent values.
std::vector<Value> load_key(const std::string& path) {
  std::vector<Value> values;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Value v;
    if (!parse_line(line, &v)) continue;
    for (auto& old : values)
      if (old.Name == v.Name) old.Name.clear();
    values.push_back(std::move(v));
  }
  std::vector<Value> unique;
  for (auto& v : values)
    if (!v.Name.empty()) unique.push_back(std::move(v));
  return unique;
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
  std::string text;
  for (const auto& v : values) text += format_line(v) + "\n";
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
  if (!valid_name(v.Name.c_str())) return 1;
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
