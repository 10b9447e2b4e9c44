// Opening an image file: the reader is chosen by the file name's extension, and a
// document that results becomes current after an undo snapshot of the old one.
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "bitmap/document/file_bytes.h"
#include "bitmap/document/image.h"
#include "bitmap/messages/rastrel_messages.h"
#include "common/host/app_host.h"

namespace {

struct ExtensionRule {
  const char* pText;
  size_t NumChars;  // characters compared
  ImageFileType Type;
  int FilterIndex;
};

// Later matches override earlier ones, so ".jpeg" and ".jpe" end as JPEG.
const ExtensionRule kRules[] = {
    {".bmp", 4, IMAGE_TYPE_BMP, 2},  {".sbmp", 5, IMAGE_TYPE_SBMP, 2},
    {".gif", 4, IMAGE_TYPE_GIF, 4},  {".png", 4, IMAGE_TYPE_PNG, 5},
    {".jpg", 3, IMAGE_TYPE_JPEG, 1}, {".jpeg", 4, IMAGE_TYPE_JPEG, 1},
};

IMAGE_Reader s_apReader[IMAGE_NUM_TYPES];
bool s_loading;

}  // namespace

void IMAGE_SetReader(ImageFileType type, IMAGE_Reader reader) {
  if (type >= 0 && type < IMAGE_NUM_TYPES) s_apReader[type] = reader;
}

int IMAGE_TypeFromName(const char* path, int* pFilterIndex) {
  const char* base = std::strrchr(path, '/');
  base = base ? base + 1 : path;
  const char* dot = std::strrchr(base, '.');
  if (!dot) return -1;
  int type = -1;
  for (const ExtensionRule& r : kRules) {
    if (strncasecmp(dot, r.pText, r.NumChars) != 0) continue;
    type = r.Type;
    if (pFilterIndex) *pFilterIndex = r.FilterIndex;
  }
  return type;
}

ImageDocument* IMAGE_LoadFile(const char* path) {
  if (s_loading) {
    IMAGE_Message(MSG_ERROR_OPENING_FILE);
    return nullptr;
  }
  s_loading = true;
  // Opening never blocks: a FIFO or device is refused below instead of waited for.
  int status;
  uint64_t size;
  const int fd = IMAGE_OpenRegularFile(path, &status, &size);
  if (status == FILE_BYTES_EOPEN) {
    IMAGE_Message(errno == ENOENT ? MSG_FILE_NOT_FOUND : MSG_INVALID_FILE_HANDLE);
    s_loading = false;
    return nullptr;
  }
  IMAGE_SetFileName(path);
  const char* base = std::strrchr(path, '/');
  if (!std::strchr(base ? base + 1 : path, '.')) {
    if (fd >= 0) close(fd);
    s_loading = false;
    return nullptr;
  }
  int filterIndex = IMAGE_GetFilterIndex();
  int type = IMAGE_TypeFromName(path, &filterIndex);
  ImageDocument* doc = nullptr;
  if (fd < 0) {
    IMAGE_Warning(IMAGE_FileBytesText(status));
  } else if (type < 0 || !s_apReader[type]) {
    IMAGE_Warning("Unsupported file type");
  } else {
    IMAGE_SetFilterIndex(filterIndex);
    doc = s_apReader[type](path);
  }
  if (doc) {
    UNDO_Save();
    IMAGE_SetCurrent(doc);
    HOST_Get()->Redraw();
  }
  if (fd >= 0) close(fd);
  s_loading = false;
  if (!doc) IMAGE_Message(MSG_ERROR_OPENING_FILE);
  return doc;
}
