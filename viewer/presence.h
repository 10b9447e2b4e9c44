// Presence of a running simulation: while it runs it holds an exclusive lock on
// <lock dir>/<window class>.lock; the viewer probes with a non-blocking shared lock, so a
// simulation that crashed is gone at the next probe even if its lock file remains.
#pragma once

#include <string>

constexpr const char* PRESENCE_MAINFRAME_CLASS = "GUI Simulation Mainframe";
constexpr const char* PRESENCE_DEVICE_CLASS = "GUI Device";

// $XDG_RUNTIME_DIR/vorix, else /tmp/vorix-<uid>.
std::string PRESENCE_LockDir();
std::string PRESENCE_LockFile(const char* className);

// True while some process holds the lock of either class.
bool PRESENCE_SimulationRunning();
bool PRESENCE_ClassRunning(const char* className);

// The same test for a caller that asks on every tick: a lock file found held stays open
// and is probed again through its descriptor (two system calls instead of a path look-up).
// When it is found free it is closed, so a simulation started later is found by name.
struct PresenceProbe {
  int fd[2] = {-1, -1};
};
bool PRESENCE_Probe(PresenceProbe* probe);
void PRESENCE_CloseProbe(PresenceProbe* probe);

// Takes the exclusive lock of a class (creating the folder and file); returns the
// descriptor, or -1 when it cannot be created or another process holds it.
int PRESENCE_Hold(const char* className);
// Removes the lock file and releases the lock.
void PRESENCE_Release(int fd, const char* className);
