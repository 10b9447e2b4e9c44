// Message log file of the font converter.
#include "common/settings/message_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

std::string LOG_MessageLogPath(const char* programPath, bool inWorkingDir) {
  std::string program = programPath ? programPath : "";
  size_t slash = program.rfind('/');
  std::string dir = slash == std::string::npos ? "." : program.substr(0, slash);
  std::string base = slash == std::string::npos ? program : program.substr(slash + 1);
  size_t dot = base.rfind('.');
  if (dot != std::string::npos && dot > 0) base.erase(dot);
  if (base.empty()) base = "glyphor";
  if (inWorkingDir) {
    char cwd[PATH_MAX];
    dir = getcwd(cwd, sizeof(cwd)) ? cwd : ".";
  }
  return dir + "/" + base + ".log";
}

int LOG_AppendMessage(const char* logPath, const char* text) {
  int fd = open(logPath, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return 1;
  std::string line = std::string(text ? text : "") + "\r\n";
  size_t done = 0;
  while (done < line.size()) {
    ssize_t n = write(fd, line.data() + done, line.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  close(fd);
  return done == line.size() ? 0 : 1;
}
