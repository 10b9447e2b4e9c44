// Process start shared by both converters.
#include "common/cmdline/job_driver.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/output/output_file.h"
#include "common/version/version.h"

namespace {

bool is_help_entry(const CmdlineCommand* e) { return e && !e->Id && !e->pfHandler; }

const CmdlineCommand* help_entry(const CmdlineCommand* table) {
  for (const CmdlineCommand* e = table; e->pKeyword; ++e)
    if (is_help_entry(e)) return e;
  return nullptr;
}

int run_headless(const JobProgram& p, int argc, const char* const* argv) {
  OUTFILE_SetSync(false);  // a job's outputs are rebuilt from its inputs
  p.pfInstallHeadlessHost();
  return p.pfRunJob(argc, argv);
}

}  // namespace

bool JOB_HasCommand(int argc, const char* const* argv, const CmdlineCommand* table, unsigned id) {
  for (int i = 1; i < argc; ++i) {
    if (!CMDLINE_IsCommandArg(argv[i], table)) continue;
    const CmdlineCommand* e = CMDLINE_Find(argv[i] + 1, table);
    if (e && e->Id == id) return true;
  }
  return false;
}

bool JOB_IsHelpOnly(int argc, const char* const* argv, const CmdlineCommand* table) {
  if (argc < 2) return false;
  for (int i = 1; i < argc; ++i) {
    if (!CMDLINE_IsCommandArg(argv[i], table)) return false;
    if (!is_help_entry(CMDLINE_Find(argv[i] + 1, table))) return false;
  }
  return true;
}

bool JOB_HasDisplay() {
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

int JOB_Main(const JobProgram& p, int argc, char** argv) {
  const char* const* args = argv;
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("%s (%s) %s\n", p.pName, p.pProduct, VORIX_VERSION_TEXT);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    const CmdlineCommand* help = help_entry(p.pTable);
    if (!help) return 0;
    std::string arg = std::string("-") + help->pKeyword;
    const char* helpArgs[] = {argv[0], arg.c_str(), nullptr};
    return run_headless(p, 2, helpArgs);
  }
  if (JOB_HasCommand(argc, args, p.pTable, p.ExitId)) return run_headless(p, argc, args);
  const bool display = JOB_HasDisplay();
  if (p.pfRunWindow && display) return p.pfRunWindow(argc, argv);
  if (JOB_IsHelpOnly(argc, args, p.pTable)) return run_headless(p, argc, args);
  if (!display)
    std::fprintf(stderr, "%s: no display available; run a job with -exit to work without one\n", p.pName);
  else
    std::fprintf(stderr, "%s: this build has no interactive window; run a job with -exit\n", p.pName);
  return JOB_EXIT_NO_WINDOW;
}

std::string JOB_ExecutablePath(const char* argv0) {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (n > 0) return std::string(path, static_cast<size_t>(n));
  return argv0 ? argv0 : "";
}
