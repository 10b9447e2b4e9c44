// Command-line keywords of the font converter with their help texts. Every command but
// exit runs at once while the command line is read; exit is queued by identifier.
// The order is the search order and the order of the help listing.
#include "font/app/command_table.h"

#include <cstring>
#include <string>

#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/job_keywords.h"

namespace {

template <unsigned Id>
void run_now() {
  GLYPHOR_Execute(Id, 0);
}

std::string build_create_help() {
  std::string s = "\t\t<FONTNAME>,<STYLE>,<HEIGHT>,<TYPE>,<ENCODING>[,<METHOD>] Create font";
  auto line = [&](const std::string& text) { s += "\r\n" + text; };
  line("\t\t- FONTNAME:");
  line("\t\t\tName of font to be used");
  line("\t\t- STYLE:");
  for (int i = 0; GLYPHOR_apStyle[i]; ++i) {
    size_t n = std::strlen(GLYPHOR_apStyle[i]);
    const char* tabs = n < 8 ? "\t\t\t" : (n <= 15 ? "\t\t" : "\t");
    line(std::string("\t\t\t") + GLYPHOR_apStyle[i] + tabs + "- Creates " + GLYPHOR_apStyleWording[i] +
         " font");
  }
  line("\t\t- HEIGHT:");
  line("\t\t\tHeight in pixels of font to be created");
  line("\t\t- TYPE:");
  line("\t\t\tSTD\t\t- Standard 1bpp font");
  line("\t\t\tAA2\t\t- Antialiased font (2bpp)");
  line("\t\t\tAA4\t\t- Antialiased font (4bpp)");
  line("\t\t\tEXT\t\t- Extended font");
  line("\t\t\tEXT_FRM\t- Extended framed font");
  line("\t\t\tEXT_AA2\t\t- Extended antialiased font (2bpp)");
  line("\t\t\tEXT_AA4\t\t- Extended antialiased font (4bpp)");
  line("\t\t- ENCODING:");
  line("\t\t\tUC16\t- 16 bit Unicode encoding");
  line("\t\t\tISO8859\t- 8 bit ASCII + ISO8859");
  line("\t\t\tJIS\t- Shift JIS");
  line("\t\t- METHOD:");
  line("\t\t\tOS\t\t- Antialiasing of operating system, default is 'OS'");
  line("\t\t\tINTERNAL\t- Internal antialiasing method");
  return s;
}

const std::string s_createHelp = build_create_help();

}  // namespace

const char* GLYPHOR_CreateHelp() { return s_createHelp.c_str(); }

const CmdlineCommand GLYPHOR_aCommand[] = {
    {"exit", GLYPHOR_ID_EXIT, nullptr, 0, "\t\tFinish application after job"},
    {"create", 0, run_now<GLYPHOR_ID_JOB_CREATE>, 0, s_createHelp.c_str()},
    {"edit", 0, run_now<GLYPHOR_ID_JOB_EDIT>, 0,
     "\t\t<ACTION>,<DETAIL>[,<CNT>] Equivalent to the 'Edit' menu\r\n\t\t- ACTION:\r\n"
     "\t\t\tDEL\t- Deletes pixels\r\n\t\t\tINS\t- Inserts pixels\r\n\t\t- DETAIL:\r\n"
     "\t\t\tTOP\t- ...from top\r\n\t\t\tBOTTOM\t- ...from bottom\r\n\t\t- CNT:\r\n"
     "\t\t\tNumber of operations, needs to be >0. Default is 1"},
    {"enable", 0, run_now<GLYPHOR_ID_JOB_ENABLE>, 0,
     "\t\t<FIRST-LAST>,<STATE> Enables or disables the given range of characters\r\n"
     "\t\t- FIRST-LAST:\r\n"
     "\t\t\tHexadecimal values separated by a '-' defining the range of characters\r\n"
     "\t\t- STATE:\r\n\t\t\t0\t- Disables the given range\r\n\t\t\t1\t- Enables the given range"},
    {"merge", 0, run_now<GLYPHOR_ID_JOB_MERGE>, 0,
     "\t\t<FILENAME> Merges the given file to the current content"},
    {"readpattern", 0, run_now<GLYPHOR_ID_JOB_READPATTERN>, 0, "\t<FILENAME> Reads a pattern file"},
    {"saveas", 0, run_now<GLYPHOR_ID_JOB_SAVEAS>, 0,
     "\t\t<FILENAME>,<TYPE> Saves the font data as 'C', 'SIF' or 'XBF' file font\r\n"
     "\t\t- FILENAME:\r\n\t\t\tFile name including extension\r\n\t\t- TYPE:\r\n"
     "\t\t\tC\t- \"C\" file\r\n\t\t\tSIF\t- System independent font file\r\n"
     "\t\t\tXBF\t- External binary font file"},
    {"nomessages", 0, run_now<GLYPHOR_ID_JOB_NOMESSAGES>, 0, "\tSuppress messages in command line mode"},
    {"?", 0, nullptr, 0, "\t\tShows this box\n"},
    {nullptr, 0, nullptr, 0, nullptr},
};
