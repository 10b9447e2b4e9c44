// Save As from the command line: FNAME,TYPE[,FORMAT[,NOPALETTE]].
#include "bitmap/app/command_saveas.h"

#include <cstdio>
#include <string>

#include "bitmap/messages/rastrel_messages.h"
#include "bitmap/app/options.h"
#include "bitmap/app/rastrel_app.h"
#include "bitmap/app/save_path.h"
#include "bitmap/output/bmp_writer.h"
#include "bitmap/output/gif_writer.h"
#include "bitmap/output/png_writer.h"
#include "bitmap/app/commands.h"
#include "bitmap/reduce/colour_reduce.h"
#include "bitmap/output/stream_writer.h"
#include "common/output/buffered_writer.h"
#include "common/output/output_file.h"
#include "common/cmdline/cmdline.h"

namespace {

enum { FILE_TYPE_C = 1, FILE_TYPE_BMP = 2, FILE_TYPE_STREAM = 3, FILE_TYPE_GIF = 4, FILE_TYPE_PNG = 5 };
enum { FNAME_CAPACITY = 260 };

const char kWriteError[] = "Error writing file.";
const char kNoMemory[] = "Not enough memory to save the file.";
const char* const kDefaultExt[] = {"", "c", "bmp", "dta", "gif", "png"};

// Largest palette a palette format can hold (0 for direct-colour formats).
int palette_limit(int format) {
  switch (format) {
    case 1: return 2;
    case 2: return 4;
    case 4: case 6: return 16;
    case 5: case 7: return 256;
    default: return 0;
  }
}

int default_format(const ImageDocument* doc) {
  if (doc->NumColors == 0) return doc->HasAlpha ? 16 : 8;
  if (doc->NumColors <= 2) return 1;
  if (doc->NumColors <= 4) return 2;
  if (doc->NumColors <= 16) return 4;
  if (doc->NumColors <= 256) return 5;
  return -1;
}

bool is_digit(int c) { return c >= '0' && c <= '9'; }

// Reads FORMAT: the first character's digit value, then up to two further digits.
int read_format() {
  int format = CMDLINE_GetChar() - '0';
  for (int i = 0; i < 2 && is_digit(CMDLINE_PeekChar()); ++i) format = format * 10 + (CMDLINE_GetChar() - '0');
  return format;
}

// The GIF writer's document: the best-palette conversion of the current one, which
// replaces it after an undo step (Undo brings the original back). A transparent
// colour stays transparent when the new palette holds it.
const ImageDocument* convert_for_gif() {
  ImageDocument* doc = IMAGE_GetCurrent();
  const bool trans = doc->HasTrans && doc->NumColors > 0;
  const ColorValue transColor = trans ? IMAGE_GetPalColor(doc, 0) : 0;
  UNDO_Save();
  RASTREL_ReplaceImage(IMAGE_ConvertToBestPalette(RASTREL_TakeImage()));
  doc = IMAGE_GetCurrent();
  if (trans && doc && doc->NumColors > 0) {
    for (int i = 0; i < doc->NumColors; ++i) {
      if ((IMAGE_GetPalColor(doc, i) & 0xFFFFFFu) == (transColor & 0xFFFFFFu)) {
        IMAGE_SetTransIndex(doc, i);
        break;
      }
    }
  }
  return doc;
}

// The PNG writer's document: the true-colour conversion of the current one with alpha,
// which replaces it after an undo step.
const ImageDocument* convert_for_png() {
  UNDO_Save();
  ImageDocument* doc = RASTREL_TakeImage();
  ImageDocument* converted = IMAGE_ToTrueColor(doc);  // null (input kept) without memory
  if (converted) {
    converted->HasAlpha = 1;
    doc = converted;
  }
  RASTREL_ReplaceImage(doc);
  return IMAGE_GetCurrent();
}

}  // namespace

int RASTREL_SaveFile(const char* path, int fileType, const SaveRequest* request) {
  // Checks that can refuse the save run before the destination is touched.
  if (fileType == FILE_TYPE_C) {
    char id[FNAME_CAPACITY];
    if (CBITMAP_MakeIdentifier(path, id, sizeof(id)) != 0) return 0;  // reported
  }
  const ImageDocument* doc = IMAGE_GetCurrent();
  // A direct-colour format gets a true-colour copy; the document and its undo steps stay
  // as they are. Without memory for the copy the writer resolves the palette itself.
  ImageDocument* trueColor = nullptr;
  if ((fileType == FILE_TYPE_C || fileType == FILE_TYPE_STREAM) && doc->NumColors &&
      CBITMAP_IsDirectColorFormat(request->Format)) {
    ImageDocument* copy = IMAGE_Clone(doc);
    trueColor = IMAGE_ToTrueColor(copy);  // frees the copy unless it fails
    if (trueColor)
      doc = trueColor;
    else
      IMAGE_Free(copy);
  }
  OutputFile out;
  if (!OUTFILE_Open(&out, path)) {
    RASTREL_ReportOpenFailure(path, out.Error);
    IMAGE_Free(trueColor);
    return 0;
  }
  int ok = 0;
  if (fileType == FILE_TYPE_C) {
    const int result = CBITMAP_Save(out.pStream, doc, request, path, RASTREL_Options.UseARGB != 0);
    ok = result == CBITMAP_OK;
    // A refused identifier has been reported; the other failures have not.
    if (result == CBITMAP_ENOMEM)
      CMDLINE_ReportText(kNoMemory);
    else if (result == CBITMAP_EWRITE)
      CMDLINE_ReportText(kWriteError);
  } else if (fileType == FILE_TYPE_STREAM) {
    // A short write is reported like any other failed save.
    ok = STREAM_Save(out.pStream, doc, request, RASTREL_Options.BigEndianMode != 0, RASTREL_Options.UseARGB != 0) == 0;
    if (!ok) CMDLINE_ReportText(kWriteError);
  } else if (fileType == FILE_TYPE_PNG) {
    ok = PNG_Write(convert_for_png(), out.pStream);  // libpng's failures are reported
  } else {
    static OutWriter writer;
    OUT_Init(&writer, out.pStream);
    if (fileType == FILE_TYPE_GIF) doc = convert_for_gif();
    ok = (fileType == FILE_TYPE_GIF ? GIF_Write(doc, &writer) : BMP_Write(doc, &writer)) && OUT_Flush(&writer);
    if (!ok) CMDLINE_ReportText(kWriteError);
  }
  IMAGE_Free(trueColor);
  if (!ok) {
    OUTFILE_Abort(&out);
    return 0;
  }
  if (!OUTFILE_Commit(&out)) {
    CMDLINE_ReportText(kWriteError);
    return 0;
  }
  // Only a complete save renames the document and enters the recent files.
  IMAGE_SetFileName(path);
  if (fileType != FILE_TYPE_C && fileType != FILE_TYPE_STREAM) RECENT_Add(&RASTREL_RecentFiles, path);
  return 1;
}

void RASTREL_SaveAs(unsigned) {
  if (!CMDLINE_IsJobMode()) {
    RASTREL_SaveInteractive();
    return;
  }
  const ImageDocument* doc = IMAGE_GetCurrent();
  if (!doc) {
    CMDLINE_Report(MSG_NO_IMAGE_TO_SAVE);
    return;
  }
  char name[FNAME_CAPACITY + 1];
  CMDLINE_GetString(name, FNAME_CAPACITY);
  if (CMDLINE_ReadFailed()) return;
  if (CMDLINE_GetChar() != ',') {
    CMDLINE_Report(MSG_INVALID_SEPARATOR);
    return;
  }
  const int type = CMDLINE_GetChar() - '0';
  if (type < FILE_TYPE_C || type > FILE_TYPE_GIF) {
    CMDLINE_Report(MSG_ILLEGAL_TYPE);
    return;
  }
  SaveRequest request = {0, 0, type};
  if (type == FILE_TYPE_C || type == FILE_TYPE_STREAM) {
    if (CMDLINE_PeekChar() == ',') {
      CMDLINE_GetChar();
      request.Format = read_format();
      if (!CBITMAP_IsValidFormat(request.Format) || (type == FILE_TYPE_STREAM && request.Format == 99)) {
        CMDLINE_Report(MSG_ILLEGAL_FORMAT);
        return;
      }
      const int limit = palette_limit(request.Format);
      if (limit && (doc->NumColors == 0 || doc->NumColors > limit)) {
        CMDLINE_Report(MSG_FORMAT_MISMATCH);
        return;
      }
      if (CMDLINE_PeekChar() == ',') {
        CMDLINE_GetChar();
        const int c = CMDLINE_GetChar();
        if (!c) {
          CMDLINE_Report(MSG_NOPALETTE_INVALID);
          return;
        }
        if (c > '1') {
          CMDLINE_Report(MSG_ILLEGAL_NOPALETTE);
          return;
        }
        if (request.Format > 7 && c != '1') {
          CMDLINE_Report(MSG_NOPALETTE_MUST_BE_1);
          return;
        }
        request.WithoutPalette = c == '1';
      }
    } else {
      request.Format = default_format(doc);
      if (request.Format < 0) {
        CMDLINE_Report(MSG_PALETTE_TOO_LARGE);
        return;
      }
    }
  }
  const std::string path = RASTREL_CompletePath(name, IMAGE_GetFileName(), kDefaultExt[type]);
  RASTREL_SaveFile(path.c_str(), type, &request);
}
