// Parsing and formatting of a settings key's text.
#include "common/settings/settings_file.h"

#include <cstdint>
#include <unordered_map>
#include <utility>

namespace {

using Value = SettingsValue;

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

}  // namespace

bool SETTINGS_ValidName(const char* name) {
  if (!name || !*name) return false;
  for (const char* p = name; *p; ++p)
    if (*p == '=' || *p == '\n' || *p == '\r') return false;
  return true;
}

std::vector<SettingsValue> SETTINGS_ParseText(const std::string& text) {
  std::vector<Value> values;
  std::unordered_map<std::string, size_t> index;  // name -> position in values
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Value v;
    if (!parse_line(line, &v)) continue;
    auto it = index.find(v.Name);
    if (it != index.end()) values[it->second].Name.clear();
    index[v.Name] = values.size();
    values.push_back(std::move(v));
  }
  std::vector<Value> unique;
  unique.reserve(index.size());
  for (auto& v : values)
    if (!v.Name.empty()) unique.push_back(std::move(v));
  return unique;
}

std::string SETTINGS_FormatText(const std::vector<SettingsValue>& values) {
  std::string text;
  for (const auto& v : values) text += format_line(v) + "\n";
  return text;
}
