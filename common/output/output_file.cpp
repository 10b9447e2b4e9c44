// Saves through a temporary file in the target's folder, renamed over the target.
#include "common/output/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// The file a save should replace: symbolic links followed, so the link stays a link.
std::string resolve_target(const char* path) {
  char resolved[PATH_MAX];
  if (realpath(path, resolved)) return resolved;
  return path;  // does not exist yet (or a dangling link): create it by that name
}

std::string folder_of(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool g_sync = true;

bool fail(OutputFile* out, int error) {
  out->Error = error ? error : EIO;
  return false;
}

}  // namespace

void OUTFILE_SetSync(bool on) { g_sync = on; }
bool OUTFILE_Sync() { return g_sync; }

bool OUTFILE_Open(OutputFile* out, const char* path) {
  *out = OutputFile{};
  if (!path || !*path) return fail(out, ENOENT);
  struct stat st;
  const bool exists = stat(path, &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) return fail(out, EISDIR);
  if (exists && !S_ISREG(st.st_mode)) {
    // A device or pipe: there is nothing to replace, write to it directly.
    out->pStream = std::fopen(path, "wb");
    if (!out->pStream) return fail(out, errno);
    out->Target = path;
    return true;
  }
  // A read-only file stays protected even though its folder would allow a rename.
  if (exists && access(path, W_OK) != 0) return fail(out, errno);
  out->Target = resolve_target(path);
  std::string tmpl = folder_of(out->Target) + "/.vorix-save-XXXXXX";
  int fd = mkostemp(tmpl.data(), O_CLOEXEC);  // O_EXCL, mode 0600, unpredictable name
  if (fd < 0) return fail(out, errno);
  mode_t mode;
  if (exists) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  if (fchmod(fd, mode) != 0 || !(out->pStream = fdopen(fd, "wb"))) {
    int e = errno;
    close(fd);
    unlink(tmpl.c_str());
    return fail(out, e);
  }
  out->Temporary = tmpl;
  return true;
}

bool OUTFILE_Commit(OutputFile* out) {
  if (!out->pStream) return fail(out, out->Error);
  bool ok = std::fflush(out->pStream) == 0 && !std::ferror(out->pStream);
  if (!ok && !out->Error) out->Error = errno;
  if (ok && g_sync && !out->Temporary.empty() && fsync(fileno(out->pStream)) != 0) {
    ok = false;
    out->Error = errno;
  }
  if (std::fclose(out->pStream) != 0 && ok) {
    ok = false;
    out->Error = errno;
  }
  out->pStream = nullptr;
  if (out->Temporary.empty()) return ok;
  if (ok && std::rename(out->Temporary.c_str(), out->Target.c_str()) != 0) {
    ok = false;
    out->Error = errno;
  }
  if (!ok) unlink(out->Temporary.c_str());
  out->Temporary.clear();
  if (!ok && !out->Error) out->Error = EIO;
  return ok;
}

void OUTFILE_Abort(OutputFile* out) {
  if (out->pStream) std::fclose(out->pStream);
  out->pStream = nullptr;
  if (!out->Temporary.empty()) unlink(out->Temporary.c_str());
  out->Temporary.clear();
}
