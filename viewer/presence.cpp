// Presence locks of the simulation (flock on files in the user's runtime folder).
#include "viewer/presence.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

std::string PRESENCE_LockDir() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return std::string(runtime) + "/vorix";
  return "/tmp/vorix-" + std::to_string(getuid());
}

std::string PRESENCE_LockFile(const char* className) {
  return PRESENCE_LockDir() + "/" + className + ".lock";
}

bool PRESENCE_ClassRunning(const char* className) {
  int fd = open(PRESENCE_LockFile(className).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  close(fd);  // also drops the shared lock when it was granted
  return held;
}

// Whether another process holds an exclusive lock on the open file.
static bool held_by_other(int fd) {
  if (flock(fd, LOCK_SH | LOCK_NB) == 0) {
    flock(fd, LOCK_UN);
    return false;
  }
  return errno == EWOULDBLOCK;
}

bool PRESENCE_Probe(PresenceProbe* probe) {
  const char* classes[2] = {PRESENCE_MAINFRAME_CLASS, PRESENCE_DEVICE_CLASS};
  for (int i = 0; i < 2; ++i) {
    int& fd = probe->fd[i];
    if (fd < 0) fd = open(PRESENCE_LockFile(classes[i]).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    if (held_by_other(fd)) return true;
    close(fd);
    fd = -1;
  }
  return false;
}

void PRESENCE_CloseProbe(PresenceProbe* probe) {
  for (int& fd : probe->fd) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

bool PRESENCE_SimulationRunning() {
  return PRESENCE_ClassRunning(PRESENCE_MAINFRAME_CLASS) ||
         PRESENCE_ClassRunning(PRESENCE_DEVICE_CLASS);
}

int PRESENCE_Hold(const char* className) {
  std::string dir = PRESENCE_LockDir();
  mkdir(dir.c_str(), 0700);
  int fd = open(PRESENCE_LockFile(className).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  // A viewer's probe holds a shared lock for a moment; retry briefly before giving up.
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    if (errno != EWOULDBLOCK) break;
    usleep(2000);
  }
  close(fd);
  return -1;
}

void PRESENCE_Release(int fd, const char* className) {
  if (fd < 0) return;
  unlink(PRESENCE_LockFile(className).c_str());
  close(fd);
}
