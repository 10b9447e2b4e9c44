// Hostile files run as whole rastrel and glyphor jobs in a child process whose address
// space is limited to 1 GB: each job must end by itself with the reader's message.
// Sanitizer builds reserve terabytes of shadow memory, so there the limit is left out
// and only the messages and exit codes are checked.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "hostile/hostile_files.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

#if defined(__SANITIZE_ADDRESS__)
#define HOSTILE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HOSTILE_ASAN 1
#endif
#endif

namespace {

const char kAddressSpace[] = "--as=1073741824";
const int kErrorOpeningFileExit = 21 + 1;

struct HostileJob : ::testing::Test {
  TempDir dir;
  std::string work;
  void SetUp() override {
    work = dir / "work";
    std::filesystem::create_directories(work);
  }
  // The program under `prlimit`, which sets the limit on itself and then executes it.
  ProcessResult Run(const char* program, const std::vector<std::string>& args) {
#ifdef HOSTILE_ASAN
    return run_process(program, args, work, dir / "config");
#else
    std::vector<std::string> all = {kAddressSpace, "--", program};
    all.insert(all.end(), args.begin(), args.end());
    return run_process("/usr/bin/prlimit", all, work, dir / "config");
#endif
  }
  std::string Log() const { return read_whole_file(work + "/Rastrel.log"); }
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    FILE* f = std::fopen((work + "/" + name).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
    std::fclose(f);
  }
};

TEST_F(HostileJob, ImagesBeyondTheLimitsAreRefusedWithTheirMessage) {
  for (const HostileFile& h : HOSTILE_ImageFiles()) {
    SCOPED_TRACE(h.Name);
    Write(h.Name, h.Bytes);
    std::filesystem::remove(work + "/Rastrel.log");
    const ProcessResult r = Run(RASTREL_BINARY, {h.Name, "-exit"});
    EXPECT_EQ(r.ExitCode, kErrorOpeningFileExit) << r.Err;
    const std::string log = Log();
    if (!h.Text.empty()) {
      EXPECT_NE(log.find(h.Text), std::string::npos) << log;
    }
    EXPECT_NE(log.find("Error opening file"), std::string::npos) << log;
    EXPECT_EQ(log.find("Out of memory"), std::string::npos) << log;
  }
}

TEST_F(HostileJob, OnlyRegularFilesAreRead) {
  // A FIFO nobody writes to would block an ordinary open for ever; a link to /dev/zero
  // would never end.
  ASSERT_EQ(mkfifo((work + "/pipe.bmp").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", work + "/zero.bmp");
  std::filesystem::create_symlink("/dev/zero", work + "/zero.png");
  std::filesystem::create_directory(work + "/folder.jpg");
  for (const char* name : {"pipe.bmp", "zero.bmp", "zero.png"}) {
    SCOPED_TRACE(name);
    std::filesystem::remove(work + "/Rastrel.log");
    const ProcessResult r = Run(RASTREL_BINARY, {name, "-exit"});
    EXPECT_EQ(r.ExitCode, kErrorOpeningFileExit) << r.Err;
    EXPECT_NE(Log().find("Not a regular file"), std::string::npos) << Log();
  }
  // A folder does not open as a file at all: message 16.
  std::filesystem::remove(work + "/Rastrel.log");
  const ProcessResult r = Run(RASTREL_BINARY, {"folder.jpg", "-exit"});
  EXPECT_EQ(r.ExitCode, 17) << r.Err;
  EXPECT_EQ(Log(), "Invalid file handle.");
}

TEST_F(HostileJob, FlipsInAJobKeepNoSnapshots) {
  // 2048 x 2048 pixels of zeros in 54 bytes, flipped three times and saved: the result
  // is the same black image, whatever became of the undo copies.
  Write("black.bmp", HOSTILE_EmptyBmp(2048, 2048));
  const ProcessResult r =
      Run(RASTREL_BINARY, {"black.bmp", "-fliph", "-flipv", "-fliph", "-saveasout.bmp,2", "-exit"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err << read_whole_file(work + "/Rastrel.log");
  EXPECT_EQ(std::filesystem::file_size(work + "/out.bmp"), 54u + 2048u * 2048u * 3u);
}

TEST_F(HostileJob, GlyphorReadsNoDeviceAsAFont) {
  std::filesystem::create_symlink("/dev/zero", work + "/zero.xbf");
  ASSERT_EQ(mkfifo((work + "/pipe.xbf").c_str(), 0600), 0);
  for (const char* name : {"zero.xbf", "pipe.xbf"}) {
    SCOPED_TRACE(name);
    const ProcessResult r = Run(GLYPHOR_BINARY, {name, "-exit"});
    EXPECT_EQ(r.ExitCode, 1) << r.Err;
    EXPECT_NE(read_whole_file(work + "/Glyphor.err").find("Could not open file!"), std::string::npos);
  }
}

}  // namespace
