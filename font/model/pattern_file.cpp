// Pattern file reading and writing.
#include "font/model/pattern_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "common/host/app_host.h"
#include "common/output/output_file.h"
#include "font/model/edit_log.h"
#include "font/model/font_message.h"
#include "font/model/font_messages.h"

namespace {

enum { MISSING_TEXT_LIMIT = 960, CHUNK_BYTES = 65536 };

const char kMissingHead[] =
    "The following character codes found in the pattern file\r\nare not part of the current font:\r\n";

void feed_unit(PatternDecoder* d, unsigned unit, PATTERN_CodeSink sink, void* context) {
  if (!d->Started) {
    d->Started = true;
    if (unit == 0xFEFF) return;
    if (unit == 0xFFFE) {
      d->Swap = true;
      return;
    }
  }
  if (d->Swap) unit = ((unit & 0xFF) << 8) | (unit >> 8);
  if (unit >= 32) sink(context, unit);
}

void log_path_line(const char* format, const char* path) {
  std::string line = format;
  line += path;
  EDITLOG_AddLine(line.c_str());
}

std::string full_path(const char* path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(path, ec);
  return ec ? std::string(path) : p.string();
}

struct ApplyContext {
  FontDoc* pDoc;
  PatternMissing* pMissing;
};

void apply_sink(void* context, unsigned code) {
  ApplyContext* a = static_cast<ApplyContext*>(context);
  PATTERN_ApplyCode(a->pDoc, code, a->pMissing);
}

// Opens a regular file for reading; -1 for anything else.
int open_regular(const char* path) {
  int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

void PATTERN_Feed(PatternDecoder* d, const uint8_t* data, size_t size, PATTERN_CodeSink sink, void* context) {
  for (size_t i = 0; i < size; ++i) {
    const unsigned b = data[i];
    if (d->Encoding == FONT_ENC_SJIS) {
      if (d->Held >= 0) {
        sink(context, static_cast<unsigned>(d->Held) * 256u + b);  // two-byte codes are >= 0x8000
        d->Held = -1;
      } else if (b & 0x80) {
        d->Held = static_cast<int>(b);
      } else if (b >= 32) {
        sink(context, b);
      }
      continue;
    }
    if (d->Held < 0) {
      d->Held = static_cast<int>(b);
      continue;
    }
    const unsigned unit = static_cast<unsigned>(d->Held) | (b << 8);
    d->Held = -1;
    feed_unit(d, unit, sink, context);
  }
}

void PATTERN_AddMissing(PatternMissing* m, unsigned code) {
  if (m->Cut) return;
  if (m->Text.empty()) m->Text = kMissingHead;
  if (m->Text.size() > MISSING_TEXT_LIMIT) {
    m->Text += "...";
    m->Cut = true;
    return;
  }
  char acCode[16];
  std::snprintf(acCode, sizeof(acCode), "%s%04X", m->Count % 10 == 0 ? "\r\n" : ", ", code & 0xFFFFu);
  m->Text += acCode;
  ++m->Count;
}

void PATTERN_ApplyCode(FontDoc* doc, unsigned code, PatternMissing* missing) {
  if (code < FONT_NUM_CODES && doc->aChar[code].Available)
    FONT_SetEnabled(doc, code, 1);
  else
    PATTERN_AddMissing(missing, code);
}

bool PATTERN_ReadFile(FontDoc* doc, const char* path) {
  log_path_line("* Read pattern file: ", full_path(path).c_str());
  const int fd = open_regular(path);
  if (fd < 0) {
    FONTMSG_ReportMsg(FONTMSG_OPEN_FAILED);
    return false;
  }
  PatternDecoder decoder;
  decoder.Encoding = doc->Encoding;
  PatternMissing missing;
  ApplyContext context{doc, &missing};
  static uint8_t s_aChunk[CHUNK_BYTES];
  ssize_t n;
  while ((n = read(fd, s_aChunk, sizeof(s_aChunk))) > 0)
    PATTERN_Feed(&decoder, s_aChunk, static_cast<size_t>(n), apply_sink, &context);
  close(fd);
  HOST_Get()->Redraw();
  if (!missing.Text.empty()) FONTMSG_Report(missing.Text.c_str());
  return true;
}

std::string PATTERN_Build(const FontDoc* doc) {
  std::string s = "\xFF\xFE";
  const int n = FONT_NumCodes(doc);
  int previous = -1;
  for (int code = 0; code < n; ++code) {
    if (!doc->aChar[code].Enabled) continue;
    if (previous >= 0 && (code >> 4) != (previous >> 4)) s.append("\r\0\n\0", 4);
    s += static_cast<char>(code & 0xFF);
    s += static_cast<char>(code >> 8);
    previous = code;
  }
  return s;
}

bool PATTERN_WriteFile(const FontDoc* doc, const char* path) {
  log_path_line("* Save pattern file: ", path);
  const std::string data = PATTERN_Build(doc);
  OutputFile out;
  if (!OUTFILE_Open(&out, path)) return false;
  if (std::fwrite(data.data(), 1, data.size(), out.pStream) != data.size()) {
    OUTFILE_Abort(&out);
    return false;
  }
  return OUTFILE_Commit(&out);
}
