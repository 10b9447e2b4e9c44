// Finding and loading a converter's window module.
#include "common/cmdline/window_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "common/cmdline/job_driver.h"

namespace {

// The folder of the running executable, with a trailing slash; empty when unknown.
std::string executable_folder() {
  const std::string s = JOB_ExecutablePath(nullptr);
  const size_t slash = s.rfind('/');
  return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

int refuse(const char* program, const std::string& why) {
  std::fprintf(stderr, "%s: cannot load the window module: %s\n", program, why.c_str());
  return JOB_EXIT_NO_WINDOW;
}

}  // namespace

int JOB_RunWindowModule(const char* programName, const char* moduleFile, const char* installDir, int argc,
                        char** argv) {
  const std::string folder = executable_folder();
  if (folder.empty()) return refuse(programName, "the executable's folder is unknown");
  const std::string candidates[] = {folder + moduleFile, folder + installDir + "/" + moduleFile};
  void* handle = nullptr;
  std::string error;
  for (const std::string& path : candidates) {
    // Undefined symbols are reported here (RTLD_NOW), not as a crash in the window.
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle) break;
    const char* text = dlerror();
    const bool exists = access(path.c_str(), F_OK) == 0;
    const std::string why = text ? text : path + ": not loadable";
    // A module that is there but fails to load explains more than a missing one;
    // when none is there, every place looked at is named.
    if (exists) {
      error = why;
      break;
    }
    error += (error.empty() ? "" : "; ") + why;
  }
  if (!handle) return refuse(programName, error);
  dlerror();
  auto* entry = reinterpret_cast<JobWindowEntry*>(dlsym(handle, JOB_WINDOW_ENTRY));
  if (!entry) {
    const char* text = dlerror();
    return refuse(programName, text ? text : JOB_WINDOW_ENTRY " is missing");
  }
  // The module stays loaded: the toolkit registers exit handlers of its own.
  return entry(argc, argv);
}
