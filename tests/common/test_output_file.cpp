// Saves through a temporary file: the old file survives every failure.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/output/output_file.h"
#include "support/temp_dir.h"

namespace {

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void write_file(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

size_t entries(const TempDir& dir) {
  size_t n = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.Path)) n += e.path().filename() != "config";
  return n;
}

bool save(const std::string& path, const std::string& text) {
  OutputFile out;
  if (!OUTFILE_Open(&out, path.c_str())) return false;
  std::fwrite(text.data(), 1, text.size(), out.pStream);
  return OUTFILE_Commit(&out);
}

// Runs body in a child process; returns its exit status (0 = every check held).
template <typename F>
int in_child(F body) {
  pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

TEST(OutputFile, CreatesAndReplacesKeepingTheMode) {
  TempDir dir;
  const std::string path = dir / "logo.c";
  ASSERT_TRUE(save(path, "first"));
  EXPECT_EQ(read_file(path), "first");
  chmod(path.c_str(), 0640);
  ASSERT_TRUE(save(path, "second, longer"));
  EXPECT_EQ(read_file(path), "second, longer");
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(entries(dir), 1u);  // no temporary file left
}

TEST(OutputFile, AbortedSaveLeavesTheOldFile) {
  TempDir dir;
  const std::string path = dir / "logo.bmp";
  write_file(path, "valid image");
  OutputFile out;
  ASSERT_TRUE(OUTFILE_Open(&out, path.c_str()));
  std::fputs("half", out.pStream);
  OUTFILE_Abort(&out);
  EXPECT_EQ(read_file(path), "valid image");
  EXPECT_EQ(entries(dir), 1u);
}

TEST(OutputFile, FullDiskKeepsTheOldFileAndReportsFailure) {
  TempDir dir;
  const std::string path = dir / "photo.bmp";
  write_file(path, std::string(100, 'o'));
  int status = in_child([&] {
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit lim = {4096, 4096};
    setrlimit(RLIMIT_FSIZE, &lim);  // writes beyond 4 KB fail with EFBIG
    OutputFile out;
    if (!OUTFILE_Open(&out, path.c_str())) return 1;
    std::string big(64 * 1024, 'n');
    std::fwrite(big.data(), 1, big.size(), out.pStream);
    if (OUTFILE_Commit(&out)) return 2;
    return out.Error == EFBIG ? 0 : 3;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(read_file(path), std::string(100, 'o'));
  EXPECT_EQ(entries(dir), 1u);
}

TEST(OutputFile, RefusesWhatCannotBeWritten) {
  TempDir dir;
  OutputFile out;
  EXPECT_FALSE(OUTFILE_Open(&out, (dir / "missing/x.c").c_str()));
  EXPECT_EQ(out.Error, ENOENT);
  std::filesystem::create_directory(dir / "x.bmp");
  EXPECT_FALSE(OUTFILE_Open(&out, (dir / "x.bmp").c_str()));
  EXPECT_EQ(out.Error, EISDIR);
  EXPECT_FALSE(OUTFILE_Open(&out, ""));
}

TEST(OutputFile, ReadOnlyFileStaysProtected) {
  TempDir dir;
  chmod(dir.Path.c_str(), 0777);
  const std::string path = dir / "locked.c";
  write_file(path, "keep");
  chmod(path.c_str(), 0444);
  int status = in_child([&] {
    // As root every file is writable: check as an ordinary user.
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 1;
    OutputFile out;
    if (OUTFILE_Open(&out, path.c_str())) return 2;
    return out.Error == EACCES ? 0 : 3;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(read_file(path), "keep");
}

TEST(OutputFile, DevicesAndLinksAreWrittenInPlace) {
  TempDir dir;
  EXPECT_TRUE(save("/dev/null", "discarded"));
  const std::string real = dir / "real.c";
  const std::string link = dir / "link.c";
  write_file(real, "old");
  std::filesystem::create_symlink(real, link);
  ASSERT_TRUE(save(link, "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(read_file(real), "new");
  // A full device reports the failure.
  OutputFile out;
  ASSERT_TRUE(OUTFILE_Open(&out, "/dev/full"));
  std::fputs("x", out.pStream);
  EXPECT_FALSE(OUTFILE_Commit(&out));
  EXPECT_EQ(out.Error, ENOSPC);
}

}  // namespace
