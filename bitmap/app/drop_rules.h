// What the main window does with the items dropped on it: the first one is opened when
// it is an image file; a folder, a non-image or anything but a local file gets a
// message instead, and further items are named in the status bar as not opened.
#pragma once

#include <string>
#include <vector>

struct DroppedItem {
  std::string Path;    // local path (empty for a remote URL)
  bool Local = true;   // a local file or folder
  bool IsDir = false;
};

struct DropDecision {
  std::string Open;     // the file to open, empty when none
  std::string Warning;  // message box text when nothing is opened
  std::string Status;   // status text after the file was opened (several items)
};

DropDecision RASTREL_DecideDrop(const std::vector<DroppedItem>& items);
