// Writes the hostile file set of the job tests into a folder for the benchmark script.
#include <cstdio>

#include "hostile/hostile_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_hostile_files FOLDER\n");
    return 2;
  }
  return HOSTILE_WriteAll(argv[1]) ? 0 : 1;
}
