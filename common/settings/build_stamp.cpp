// Build time stamp of the programs.
#include "common/settings/build_stamp.h"

#ifdef VORIX_SOURCE_DATE_EPOCH
#include <cstdio>
#include <ctime>

static const struct tm* epoch_tm() {
  static struct tm t;
  static bool done;
  if (!done) {
    time_t epoch = static_cast<time_t>(VORIX_SOURCE_DATE_EPOCH);
    gmtime_r(&epoch, &t);
    done = true;
  }
  return &t;
}

const char* BUILD_GetDate() {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  static char buf[16];
  const struct tm* t = epoch_tm();
  std::snprintf(buf, sizeof(buf), "%s %2d %d", kMonths[t->tm_mon], t->tm_mday, t->tm_year + 1900);
  return buf;
}

const char* BUILD_GetTime() {
  static char buf[16];
  const struct tm* t = epoch_tm();
  std::snprintf(buf, sizeof(buf), "%02d:%02d:%02d", t->tm_hour, t->tm_min, t->tm_sec);
  return buf;
}
#else
const char* BUILD_GetDate() { return __DATE__; }
const char* BUILD_GetTime() { return __TIME__; }
#endif
