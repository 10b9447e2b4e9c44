// The window of a converter lives in a loadable module beside the executable
// (build tree) or in a library folder relative to it (installed tree), so that
// jobs start without loading the window toolkit. The module uses the
// executable's core: the executable exports its symbols and the module links
// none of the core itself.
#pragma once

// The entry every window module exports; same arguments and result as pfRunWindow.
extern "C" {
typedef int JobWindowEntry(int argc, char** argv);
int VORIX_RunWindow(int argc, char** argv);
}
#define JOB_WINDOW_ENTRY "VORIX_RunWindow"

// Loads `moduleFile` from the executable's folder or else from `installDir`
// (relative to that folder) and runs its window. When it cannot be loaded, says
// why on stderr (the loader's own words) and returns JOB_EXIT_NO_WINDOW.
int JOB_RunWindowModule(const char* programName, const char* moduleFile, const char* installDir, int argc,
                        char** argv);
