// Settings store: file mapping, typed values, atomic replacement, damaged files.
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <vector>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/settings/settings_store.h"
#include "support/temp_dir.h"

namespace {

const char kKey[] = "Software\\Tavrex\\Rastrel\\Settings\\";

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(SettingsStore, KeyPathMapsUnderXdgConfigHome) {
  TempDir dir;
  EXPECT_EQ(SETTINGS_KeyFile(kKey), dir / "config/Tavrex/Rastrel/Settings.ini");
  EXPECT_EQ(SETTINGS_KeyFile("Software\\Tavrex\\Rastrel\\Recent File List\\"),
            dir / "config/Tavrex/Rastrel/Recent File List.ini");
  EXPECT_EQ(SETTINGS_KeyFile("Software\\..\\x"), "");
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", dir.Path.c_str(), 1);
  EXPECT_EQ(SETTINGS_KeyFile(kKey), dir / ".config/Tavrex/Rastrel/Settings.ini");
}

TEST(SettingsStore, ValuesRoundTripByType) {
  TempDir dir;
  const uint8_t bytes[4] = {0xFF, 0xFF, 0xFF, 0x00};
  EXPECT_EQ(SETTINGS_WriteBinary(kKey, "BkColor", bytes, 4), 0);
  EXPECT_EQ(SETTINGS_WriteDword(kKey, "Count", 4000000000u), 0);
  EXPECT_EQ(SETTINGS_WriteString(kKey, "File1", "/tmp/a b\\c\nd.bmp"), 0);
  EXPECT_EQ(read_file(SETTINGS_KeyFile(kKey)),
            "BkColor=binary:ffffff00\nCount=dword:4000000000\nFile1=sz:/tmp/a b\\\\c\\nd.bmp\n");

  uint8_t back[4] = {};
  EXPECT_EQ(SETTINGS_Read(kKey, "BkColor", back, 4), 0);
  EXPECT_EQ(std::memcmp(back, bytes, 4), 0);
  uint32_t n = 0;
  EXPECT_EQ(SETTINGS_ReadDword(kKey, "Count", &n), 0);
  EXPECT_EQ(n, 4000000000u);
  std::string s;
  EXPECT_EQ(SETTINGS_ReadString(kKey, "File1", &s), 0);
  EXPECT_EQ(s, "/tmp/a b\\c\nd.bmp");

  // A value of another size than asked for is absent: the caller keeps its default.
  uint8_t two[2];
  EXPECT_NE(SETTINGS_Read(kKey, "BkColor", two, 2), 0);
  EXPECT_NE(SETTINGS_Read(kKey, "Missing", back, 4), 0);

  // Rewriting replaces in place and keeps the other values.
  EXPECT_EQ(SETTINGS_WriteDword(kKey, "Count", 7), 0);
  EXPECT_EQ(SETTINGS_ReadDword(kKey, "Count", &n), 0);
  EXPECT_EQ(n, 7u);
  EXPECT_EQ(SETTINGS_Read(kKey, "BkColor", back, 4), 0);
  EXPECT_EQ(SETTINGS_Delete(kKey, "Count"), 0);
  EXPECT_NE(SETTINGS_ReadDword(kKey, "Count", &n), 0);
}

TEST(SettingsStore, DamagedLinesReadAsAbsent) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path / "config/Tavrex/Rastrel");
  std::ofstream(SETTINGS_KeyFile(kKey), std::ios::binary)
      << "garbage\nBkColor=binary:fff\nUseARGB=dword:12x\nViewOption=binary:02000000\n\x01\x02=sz:\\q\n";
  uint8_t b[4];
  EXPECT_NE(SETTINGS_Read(kKey, "BkColor", b, 4), 0);
  uint32_t n;
  EXPECT_NE(SETTINGS_ReadDword(kKey, "UseARGB", &n), 0);
  EXPECT_EQ(SETTINGS_Read(kKey, "ViewOption", b, 4), 0);
  EXPECT_EQ(b[0], 2);
  // Writing drops what could not be read and leaves no temporary file behind.
  EXPECT_EQ(SETTINGS_WriteDword(kKey, "UseARGB", 1), 0);
  EXPECT_EQ(read_file(SETTINGS_KeyFile(kKey)), "ViewOption=binary:02000000\nUseARGB=dword:1\n");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.Path / "config/Tavrex/Rastrel")) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(SettingsStore, UnwritableStoreFailsQuietly) {
  TempDir dir;
  std::ofstream(dir / "config") << "a file where the folder should be";
  EXPECT_NE(SETTINGS_WriteDword(kKey, "UseARGB", 1), 0);
  uint32_t n;
  EXPECT_NE(SETTINGS_ReadDword(kKey, "UseARGB", &n), 0);
  EXPECT_NE(SETTINGS_WriteString(kKey, "bad=name", "x"), 0);
}

}  // namespace

namespace {

TEST(SettingsStore, WithoutHomeTheUsersOwnFolderIsUsed) {
  TempDir dir;
  const char* oldHome = std::getenv("HOME");
  std::string saved = oldHome ? oldHome : "";
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("HOME");
  struct passwd* pw = getpwuid(getuid());
  ASSERT_NE(pw, nullptr);
  EXPECT_EQ(SETTINGS_KeyFile(kKey), std::string(pw->pw_dir) + "/.config/Tavrex/Rastrel/Settings.ini");
  EXPECT_EQ(SETTINGS_KeyFile(kKey).rfind("/tmp/", 0), std::string::npos);
  if (oldHome) setenv("HOME", saved.c_str(), 1);
}

TEST(SettingsStore, PlantedTemporaryNamesAreNeverFollowed) {
  TempDir dir;
  const std::string folder = dir / "config/Tavrex/Rastrel";
  std::filesystem::create_directories(folder);
  const std::string victim = dir / "victim.txt";
  std::ofstream(victim) << "precious";
  // Links named like temporary files of the key, left by someone else or a crash.
  for (const char* name : {"Settings.ini.tmp-AAAAAA", "Settings.ini.tmp.1234", "Settings.ini.tmp"})
    std::filesystem::create_symlink(victim, folder + "/" + name);
  ASSERT_EQ(SETTINGS_WriteDword(kKey, "UseARGB", 1), 0);
  EXPECT_EQ(read_file(victim), "precious");
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder + "/Settings.ini.tmp-AAAAAA")));
  struct stat st;
  ASSERT_EQ(stat(SETTINGS_KeyFile(kKey).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(SettingsStore, OversizedOrUnreadableFilesAreNeverReplaced) {
  TempDir dir;
  std::filesystem::create_directories(dir.Path / "config/Tavrex/Rastrel");
  const std::string path = SETTINGS_KeyFile(kKey);
  std::string big = "ViewOption=dword:1\n" + std::string(SETTINGS_MAX_FILE_BYTES, '#');
  std::ofstream(path, std::ios::binary) << big;
  uint32_t n;
  EXPECT_NE(SETTINGS_ReadDword(kKey, "ViewOption", &n), 0);
  EXPECT_NE(SETTINGS_WriteDword(kKey, "UseARGB", 1), 0);
  EXPECT_EQ(read_file(path), big);
  // A folder where the key file should be is no settings file either.
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_NE(SETTINGS_WriteDword(kKey, "UseARGB", 1), 0);
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(SettingsStore, ConcurrentWritersLoseNoValue) {
  TempDir dir;
  const int kWriters = 20;
  std::vector<pid_t> children;
  for (int i = 0; i < kWriters; ++i) {
    pid_t pid = fork();
    if (pid == 0) _exit(SETTINGS_WriteDword(kKey, ("Value" + std::to_string(i)).c_str(), i) == 0 ? 0 : 1);
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  for (int i = 0; i < kWriters; ++i) {
    uint32_t n = 99;
    EXPECT_EQ(SETTINGS_ReadDword(kKey, ("Value" + std::to_string(i)).c_str(), &n), 0) << i;
    EXPECT_EQ(n, static_cast<uint32_t>(i));
  }
}

TEST(SettingsStore, ChangedFilesAreReadAgain) {
  TempDir dir;
  ASSERT_EQ(SETTINGS_WriteDword(kKey, "ViewOption", 1), 0);
  uint32_t n = 0;
  ASSERT_EQ(SETTINGS_ReadDword(kKey, "ViewOption", &n), 0);
  EXPECT_EQ(n, 1u);
  // Another program replaces the file: the cached values must not be used.
  std::ofstream(SETTINGS_KeyFile(kKey), std::ios::binary) << "ViewOption=dword:22\n";
  ASSERT_EQ(SETTINGS_ReadDword(kKey, "ViewOption", &n), 0);
  EXPECT_EQ(n, 22u);
}

}  // namespace

namespace {

ino_t inode_of(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Every job rewrites its options and recent files with the values they already have;
// the file is replaced only when a value really changes.
TEST(SettingsStore, UnchangedValuesLeaveTheFileAlone) {
  TempDir dir;
  ASSERT_EQ(SETTINGS_WriteDword(kKey, "ViewOption", 1), 0);
  ASSERT_EQ(SETTINGS_WriteString(kKey, "File1", "a.bmp"), 0);
  const std::string path = SETTINGS_KeyFile(kKey);
  const ino_t first = inode_of(path);
  ASSERT_NE(first, 0u);
  EXPECT_EQ(SETTINGS_WriteDword(kKey, "ViewOption", 1), 0);
  EXPECT_EQ(SETTINGS_WriteString(kKey, "File1", "a.bmp"), 0);
  EXPECT_EQ(inode_of(path), first);
  EXPECT_EQ(SETTINGS_WriteString(kKey, "File1", "b.bmp"), 0);
  EXPECT_NE(inode_of(path), first);
  std::string s;
  EXPECT_EQ(SETTINGS_ReadString(kKey, "File1", &s), 0);
  EXPECT_EQ(s, "b.bmp");
  // A value of the same text but another type is a change.
  const ino_t second = inode_of(path);
  EXPECT_EQ(SETTINGS_WriteString(kKey, "ViewOption", "1"), 0);
  EXPECT_NE(inode_of(path), second);
}

}  // namespace
