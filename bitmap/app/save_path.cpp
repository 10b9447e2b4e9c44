// Destination path completion for the save commands.
#include "bitmap/app/save_path.h"

#include <strings.h>

#include <cerrno>
#include <string>

#include "bitmap/messages/rastrel_messages.h"
#include "common/cmdline/cmdline.h"

namespace {

struct PathParts {
  std::string Dir;   // with its trailing '/', or empty
  std::string Base;  // file name without extension
  std::string Ext;   // with its leading '.', or empty
};

PathParts split(const std::string& path) {
  PathParts p;
  size_t slash = path.rfind('/');
  std::string file = path;
  if (slash != std::string::npos) {
    p.Dir = path.substr(0, slash + 1);
    file = path.substr(slash + 1);
  }
  size_t dot = file.rfind('.');
  if (dot != std::string::npos && dot > 0) {
    p.Base = file.substr(0, dot);
    p.Ext = file.substr(dot);
  } else {
    p.Base = file;
  }
  return p;
}

}  // namespace

// A name that is only a dot and the type's own extension (".c" for a C file) gives the
// extension, not a file name: the file name is missing and taken from the image. Any
// other name starting with a dot (".hidden") stays a file name.
static void extension_only(PathParts* p, const char* defaultExt) {
  if (!p->Ext.empty() || p->Base.size() < 2 || p->Base[0] != '.') return;
  if (strcasecmp(p->Base.c_str() + 1, defaultExt) != 0) return;
  p->Ext = p->Base;
  p->Base.clear();
}

std::string RASTREL_CompletePath(const char* name, const char* imagePath, const char* defaultExt) {
  PathParts out = split(name ? name : "");
  PathParts image = split(imagePath ? imagePath : "");
  extension_only(&out, defaultExt);
  if (out.Dir.empty()) out.Dir = image.Dir;
  if (out.Base.empty()) out.Base = image.Base;
  if (out.Ext.empty() || out.Ext == ".") out.Ext = std::string(".") + defaultExt;
  return out.Dir + out.Base + out.Ext;
}

void RASTREL_ReportOpenFailure(const char* path, int error) {
  if (error == EISDIR) {
    CMDLINE_ReportText((std::string("Cannot save: ") + path + " is a folder").c_str());
    return;
  }
  CMDLINE_Report(MSG_INVALID_FILE_HANDLE);
}
