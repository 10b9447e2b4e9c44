// Replays fuzz inputs without libFuzzer: every file in the folders (or files) named on
// the command line is fed once to LLVMFuzzerTestOneInput. Exits non-zero when a folder
// is missing or nothing was replayed; a crash or sanitizer report ends the process as it
// would under the fuzzer.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static bool run_file(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::vector<uint8_t> data;
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) data.insert(data.end(), buf, buf + n);
  std::fclose(f);
  LLVMFuzzerTestOneInput(data.data(), data.size());
  return true;
}

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    struct stat st;
    if (stat(argv[i], &st) != 0) {
      std::fprintf(stderr, "missing: %s\n", argv[i]);
      return 1;
    }
    if (!S_ISDIR(st.st_mode)) {
      count += run_file(argv[i]);
      continue;
    }
    std::vector<std::string> names;
    if (DIR* d = opendir(argv[i])) {
      while (dirent* e = readdir(d))
        if (e->d_name[0] != '.') names.push_back(std::string(argv[i]) + "/" + e->d_name);
      closedir(d);
    }
    std::sort(names.begin(), names.end());
    for (const auto& name : names) count += run_file(name);
  }
  std::printf("replayed %d inputs\n", count);
  return count > 0 ? 0 : 1;
}
