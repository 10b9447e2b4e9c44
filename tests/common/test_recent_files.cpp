// Recent-file lists of both converters and their persistence.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "common/settings/recent_files.h"
#include "common/settings/settings_store.h"
#include "support/temp_dir.h"

namespace {

const char kKey[] = "Software\\Tavrex\\Rastrel\\Recent File List\\";

TEST(RecentFiles, RastrelDropsOldestAndIgnoresListedFiles) {
  TempDir dir;
  RecentFileList list;
  RECENT_Init(&list, kKey, 8, 1101);
  for (int i = 1; i <= 9; ++i) RECENT_Add(&list, ("/img/f" + std::to_string(i) + ".bmp").c_str());
  ASSERT_EQ(list.Entries.size(), 8u);
  EXPECT_EQ(list.Entries.front(), "/img/f9.bmp");
  EXPECT_EQ(list.Entries.back(), "/img/f2.bmp");
  // Listed already (other letter case): nothing changes, not even the order.
  RECENT_Add(&list, "/IMG/F5.BMP");
  EXPECT_EQ(list.Entries[4], "/img/f5.bmp");
  EXPECT_EQ(list.Entries.front(), "/img/f9.bmp");

  RecentFileList again;
  RECENT_Init(&again, kKey, 8, 1101);
  EXPECT_EQ(again.Entries, list.Entries);
  EXPECT_STREQ(RECENT_Get(&again, 1101), "/img/f9.bmp");
  EXPECT_STREQ(RECENT_Get(&again, 1108), "/img/f2.bmp");
  EXPECT_EQ(RECENT_Get(&again, 1109), nullptr);
  auto items = RECENT_MenuItems(&again);
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items[0].Text, "&1 /img/f9.bmp");
  EXPECT_EQ(items[7].Id, 1108u);
}

TEST(RecentFiles, MissingValuesAreSkippedAndPacked) {
  TempDir dir;
  SETTINGS_WriteString(kKey, "File2", "/b.bmp");
  SETTINGS_WriteString(kKey, "File5", "/e.bmp");
  RecentFileList list;
  RECENT_Init(&list, kKey, 8, 1101);
  EXPECT_EQ(list.Entries, (std::vector<std::string>{"/b.bmp", "/e.bmp"}));
  RECENT_Add(&list, std::string(300, 'x').c_str());  // too long to list
  EXPECT_EQ(list.Entries.size(), 2u);
}

// A job names its image relative to its folder; the list keeps where it was.
TEST(RecentFiles, RelativeNamesAreListedWithTheWorkingFolder) {
  TempDir dir;
  const std::filesystem::path old = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path);
  const std::string cwd = std::filesystem::current_path().string();
  RecentFileList list;
  RECENT_Init(&list, kKey, 8, 1101);
  RECENT_Add(&list, "logo.bmp");
  RECENT_Add(&list, "./sub/x.bmp");
  RECENT_Add(&list, (cwd + "/LOGO.BMP").c_str());  // the same file: listed already
  std::filesystem::current_path(old);
  EXPECT_EQ(list.Entries, (std::vector<std::string>{cwd + "/sub/x.bmp", cwd + "/logo.bmp"}));
  RecentFileList again;
  RECENT_Init(&again, kKey, 8, 1101);
  EXPECT_EQ(again.Entries, list.Entries);
}

TEST(RecentFiles, GlyphorMovesListedFileToTopWithSubmenuItems) {
  TempDir dir;
  RecentFileList list;
  RECENT_Init(&list, "Software\\Tavrex\\Glyphor\\Recent C\\", 4, 700,
              RECENT_FLAG_SEPARATOR | RECENT_FLAG_SUBMENU | RECENT_FLAG_REOPEN_TO_TOP);
  auto empty = RECENT_MenuItems(&list);
  ASSERT_EQ(empty.size(), 2u);
  EXPECT_TRUE(empty[0].Separator);
  EXPECT_EQ(empty[1].Text, "Empty");
  EXPECT_FALSE(empty[1].Enabled);

  RECENT_Add(&list, "/a.c");
  RECENT_Add(&list, "/b.c");
  RECENT_Add(&list, "/A.C");
  EXPECT_EQ(list.Entries, (std::vector<std::string>{"/A.C", "/b.c"}));
  auto items = RECENT_MenuItems(&list);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].Text, "&1 /A.C");
  EXPECT_EQ(items[1].Id, 701u);  // identifiers start one later after the separator
  EXPECT_STREQ(RECENT_Get(&list, 702), "/b.c");
}

}  // namespace

namespace {

TEST(RecentFiles, InstancesAddingAtOnceLoseNoEntry) {
  TempDir dir;
  const int kInstances = 8;
  std::vector<pid_t> children;
  for (int i = 0; i < kInstances; ++i) {
    pid_t pid = fork();
    if (pid == 0) {
      RecentFileList list;
      RECENT_Init(&list, kKey, 8, 1101);  // each instance read the list before the others wrote
      RECENT_Add(&list, ("/img/p" + std::to_string(i) + ".bmp").c_str());
      _exit(0);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) waitpid(pid, nullptr, 0);
  RecentFileList list;
  RECENT_Init(&list, kKey, 8, 1101);
  ASSERT_EQ(list.Entries.size(), 8u);
  std::set<std::string> unique(list.Entries.begin(), list.Entries.end());
  EXPECT_EQ(unique.size(), 8u);
}

TEST(RecentFiles, AnUnreadableListIsNotReplaced) {
  TempDir dir;
  const std::string path = SETTINGS_KeyFile(kKey);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::string big = "File1=sz:/a.bmp\n" + std::string(SETTINGS_MAX_FILE_BYTES, 'x');
  std::ofstream(path, std::ios::binary) << big;
  RecentFileList list;
  RECENT_Init(&list, kKey, 8, 1101);
  RECENT_Add(&list, "/b.bmp");
  EXPECT_EQ(list.Entries, (std::vector<std::string>{"/b.bmp"}));  // this program's list
  std::ifstream in(path, std::ios::binary);
  std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(kept, big);
}

}  // namespace
