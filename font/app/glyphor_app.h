// Start-up of the font converter and the processing of its command line.
#pragma once

// True when the command line holds the exit command: an unattended job.
bool GLYPHOR_IsUnattendedJob(int argc, const char* const* argv);
// Runs the job on the installed host; returns the process exit code (EXIT_CODES.md).
int GLYPHOR_RunJob(int argc, const char* const* argv);

enum {
  GLYPHOR_EXIT_OK = 0,
  GLYPHOR_EXIT_ERROR = 1,       // the job reported an error
  GLYPHOR_EXIT_NO_WINDOW = 64,  // no exit command: the interactive window is needed
};
