// Per-user settings store. A key path "Software\A\B\C\" maps to the file
// $XDG_CONFIG_HOME/A/B/C.ini (default ~/.config of HOME, or of the user database's home
// when HOME is unset); each line is Name=type:value with type sz (string), dword
// (decimal) or binary (hex bytes). Files are written atomically under a lock; a missing,
// corrupt or oversized file reads as absent values, so callers keep their defaults.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum SettingsType { SETTINGS_SZ, SETTINGS_DWORD, SETTINGS_BINARY };

// Larger files are no settings file of ours: they read as absent and are never replaced.
enum { SETTINGS_MAX_FILE_BYTES = 256 * 1024 };

struct SettingsValue;

// Path of the file that holds a key ("Software\Tavrex\Rastrel\Settings\"); empty when
// the key or the user's home is unusable.
std::string SETTINGS_KeyFile(const char* keyPath);

// Reads a value into buffer. Returns 0 on success, non-zero when the value is absent, of
// another size than the buffer (binary and dword values must fill it exactly) or the
// store cannot be read. Strings are copied with a terminating zero when they fit.
int SETTINGS_Read(const char* keyPath, const char* name, void* buffer, size_t size);
// Reads a string value; returns 0 on success.
int SETTINGS_ReadString(const char* keyPath, const char* name, std::string* value);
int SETTINGS_ReadDword(const char* keyPath, const char* name, uint32_t* value);

// Writes a value, creating the key; returns 0 on success. Failures are otherwise ignored.
int SETTINGS_WriteBinary(const char* keyPath, const char* name, const void* data, size_t size);
int SETTINGS_WriteString(const char* keyPath, const char* name, const char* value);
int SETTINGS_WriteDword(const char* keyPath, const char* name, uint32_t value);
// Removes a value; returns 0 when it is gone afterwards.
int SETTINGS_Delete(const char* keyPath, const char* name);
// Read-modify-write of a whole key under its lock, so programs running at the same
// time lose no update. Returns 0 when stored; a key file that cannot be read is left
// as it is (non-zero).
int SETTINGS_Update(const char* keyPath, const std::function<void(std::vector<SettingsValue>&)>& change);
