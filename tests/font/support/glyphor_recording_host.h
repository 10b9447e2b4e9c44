// The font converter's host for tests: records every shared call and every font
// dialog, and answers each dialog as the test set it up (Cancel by default).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "font/app/glyphor_host.h"
#include "support/recording_host.h"

namespace fonttest {

struct GlyphorRecordingHost : RecordingHostOf<GlyphorHost> {
  std::vector<std::string> Dialogs;           // "font", "options", "range", "xbf type", "value", "about"
  bool FontAnswer = false;                    // the chooser and the options dialog answer OK
  FontCreateRequest FontChoice;               // what they choose
  std::deque<FontRangeRequest> Ranges;        // answers of the range dialog in turn; then Cancel
  std::vector<FontRangeRequest> RangeOffers;  // what the dialog was opened with
  int XbfTypeAnswer = -1;
  int XbfPreselected = -99;

  bool AskFont(FontCreateRequest* r) override {
    Dialogs.push_back("font");
    if (FontAnswer) r->Lf = FontChoice.Lf;
    return FontAnswer;
  }
  bool AskGenerationOptions(FontCreateRequest* r) override {
    Dialogs.push_back("options");
    if (!FontAnswer) return false;
    r->Type = FontChoice.Type;
    r->Encoding = FontChoice.Encoding;
    r->AAMode = FontChoice.AAMode;
    return true;
  }
  bool AskRange(FontRangeRequest* r) override {
    Dialogs.push_back("range");
    RangeOffers.push_back(*r);
    if (Ranges.empty()) return false;
    r->First = Ranges.front().First;
    r->Last = Ranges.front().Last;
    Ranges.pop_front();
    return true;
  }
  int AskXbfType(int preselected) override {
    Dialogs.push_back("xbf type");
    XbfPreselected = preselected;
    return XbfTypeAnswer;
  }
  bool AskValue(const char*, const char*, int, int, int*) override {
    Dialogs.push_back("value");
    return false;
  }
  void ShowAbout(const char* title) override { Dialogs.push_back(std::string("about ") + title); }
};

}  // namespace fonttest
