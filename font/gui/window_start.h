// The interactive start of glyphor: the application object, the main window as host,
// the command line run on it, then the event loop.
#pragma once

int GLYPHOR_RunWindow(int argc, char** argv);
