// Job commands: each reads its arguments with the job engine's readers, checks every
// separator and hands a request to the operation the menus use too.
#include <cstdio>
#include <cstring>

#include "common/cmdline/cmdline.h"
#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/edit_operations.h"
#include "font/app/font_operations.h"
#include "font/app/job_keywords.h"
#include "font/app/range_operations.h"
#include "font/generator/glyph_gen.h"
#include "font/model/font_messages.h"

namespace {

// 1-based position of a keyword in its list; reports "Illegal option" and returns 0.
int lookup(const char* const* list, const char* word) {
  for (int i = 0; list[i]; ++i)
    if (std::strcmp(list[i], word) == 0) return i + 1;
  FONTMSG_ReportMsg(FONTMSG_ILLEGAL_OPTION, word);
  return 0;
}

bool expect(char separator) {
  if (CMDLINE_GetChar() == separator) return true;
  FONTMSG_ReportMsg(FONTMSG_WRONG_SEPARATOR);
  return false;
}

bool read_string(char* buffer, int capacity) {
  CMDLINE_GetString(buffer, capacity);
  return !CMDLINE_ReadFailed();
}

// A keyword field and, unless separator is 0, the separator behind it (checked before
// the word is looked up): the keyword's value, or 0 after a report.
int read_keyword(const char* const* list, char separator) {
  char acWord[201];
  if (!read_string(acWord, 200)) return 0;
  if (separator && !expect(separator)) return 0;
  return lookup(list, acWord);
}

bool read_dec(int32_t* value) {
  *value = CMDLINE_GetDecValue();
  return !CMDLINE_ReadFailed();
}

// A character code: hexadecimal, a leading '-' for a negative one; digits that do not
// fit a positive 32-bit value (FFFFFFFF) are refused with the reader's message.
bool read_code(int32_t* value) {
  const bool sign = CMDLINE_PeekChar() == '-';
  *value = CMDLINE_GetHexValue();
  if (CMDLINE_ReadFailed()) return false;
  if (!sign && *value < 0) {
    CMDLINE_RefuseValue(CMDLINE_ERR_BAD_HEX);
    return false;
  }
  return true;
}

// After the last field the argument must end.
bool expect_end() {
  if (CMDLINE_PeekChar() == 0) return true;
  FONTMSG_ReportMsg(FONTMSG_WRONG_SEPARATOR);
  return false;
}

bool read_file_name(FontFileRequest* r) {
  char acFile[261];
  if (!read_string(acFile, 260)) return false;
  r->Path = acFile;
  return true;
}

void job_create() {
  FontCreateRequest r;
  char acName[201];
  if (!read_string(acName, 200) || !expect(',')) return;
  if (!FONTGEN_FaceExists(acName) || std::strlen(acName) >= FONT_FACE_CHARS) {
    FONTMSG_ReportMsg(FONTMSG_FONT_NOT_FOUND);
    return;
  }
  int style = read_keyword(GLYPHOR_apStyle, ',');
  if (!style) return;
  int32_t height;
  if (!read_dec(&height) || !expect(',')) return;
  int type = read_keyword(GLYPHOR_apType, ',');
  if (!type) return;
  int encoding = read_keyword(GLYPHOR_apEncoding, 0);
  if (!encoding) return;
  if (FONT_IsExtended(type - 1) && encoding != 1) {
    FONTMSG_ReportMsg(FONTMSG_EXT_NEEDS_UNICODE);
    return;
  }
  int method = 1;
  if (CMDLINE_GetChar() == ',') {
    method = read_keyword(GLYPHOR_apMethod, 0);
    if (!method) return;
  }
  if (!expect_end()) return;
  r.Lf.Height = height;
  r.Lf.Weight = (style + 1) / 2 * 100;
  r.Lf.Italic = style % 2 == 0 ? 1 : 0;
  std::snprintf(r.Lf.acFaceName, sizeof(r.Lf.acFaceName), "%s", acName);
  r.Type = type - 1;
  r.Encoding = encoding - 1;
  r.AAMode = method - 1;
  FONTOP_Create(r);
}

void job_enable() {
  if (!FONTOP_RequireFont()) return;
  FontRangeRequest r;
  if (!read_code(&r.First) || !expect('-')) return;
  if (!read_code(&r.Last) || !expect(',')) return;
  if (!read_dec(&r.State) || !expect_end()) return;
  FONTOP_EnableRange(r);
}

void job_saveas() {
  if (!FONTOP_RequireFont()) return;
  FontSaveRequest r;
  char acFile[261];
  if (!read_string(acFile, 260) || !expect(',')) return;
  int format = read_keyword(GLYPHOR_apSaveType, 0);
  if (!format || !expect_end()) return;
  r.Path = acFile;
  r.Format = format - 1;
  FONTOP_SaveAs(r);
}

void job_edit() {
  if (!FONTOP_RequireFont()) return;
  FontEditRequest r;
  r.Action = read_keyword(GLYPHOR_apEditAction, ',');
  if (!r.Action) return;
  r.Detail = read_keyword(GLYPHOR_apEditDetail, 0);
  if (!r.Detail) return;
  if (CMDLINE_GetChar() == ',') {
    int32_t count;
    if (!read_dec(&count)) return;
    if (count < 1) {
      FONTMSG_ReportMsg(FONTMSG_EDIT_COUNT, static_cast<int>(count));
      return;
    }
    r.Count = count;
  }
  if (!expect_end()) return;
  FONTOP_Edit(r);
}

void job_merge() {
  if (!FONTOP_RequireFont()) return;
  FontFileRequest r;
  if (read_file_name(&r) && expect_end()) FONTOP_Merge(r);
}

void job_readpattern() {
  if (!FONTOP_RequireFont()) return;
  FontFileRequest r;
  if (read_file_name(&r) && expect_end()) FONTOP_ReadPattern(r);
}

void handle(unsigned id, unsigned) {
  switch (id) {
    case GLYPHOR_ID_JOB_CREATE:
      job_create();
      break;
    case GLYPHOR_ID_JOB_EDIT:
      job_edit();
      break;
    case GLYPHOR_ID_JOB_ENABLE:
      job_enable();
      break;
    case GLYPHOR_ID_JOB_MERGE:
      job_merge();
      break;
    case GLYPHOR_ID_JOB_READPATTERN:
      job_readpattern();
      break;
    case GLYPHOR_ID_JOB_SAVEAS:
      job_saveas();
      break;
    case GLYPHOR_ID_JOB_NOMESSAGES:
      FONTOP_SetNoMessages();
      break;
    default:
      break;
  }
}

}  // namespace

const GlyphorCommand GLYPHOR_aJobCommands[] = {
    {GLYPHOR_ID_JOB_CREATE, GLYPHOR_ID_JOB_NOMESSAGES, handle},
    {0, 0, nullptr},
};
