// The interactive start of rastrel: the application object, the main window as host,
// the command line run on it, then the event loop.
#pragma once

int RASTREL_RunWindow(int argc, char** argv);
