// Start-up of the font converter, the processing of its command line and the timer
// tick that runs the queued exit command.
#pragma once

// Start-up and command line: options, tables, job engine, commands and the font file
// named. Returns false when the processing ended early: at the first error a command
// reported, or (with the help listing shown unless in no-message mode) at an argument
// that cannot be run.
bool GLYPHOR_Start(int argc, const char* const* argv);
// One tick of the 20 ms timer: steps the job queue. False once the timer is to stop
// (the job is over or the program ends).
bool GLYPHOR_Tick();
// The job engine's executor: delivers a queued command (one at a time, doing
// nothing while one is running), then lets the engine go on.
void GLYPHOR_DeliverQueued(unsigned id, unsigned param);
// Runs a whole job on the installed host: start, ticks, end; returns the process
// exit code (EXIT_CODES.md).
int GLYPHOR_RunJob(int argc, const char* const* argv);

// "Zentile-FontConvert V5.46"
const char* GLYPHOR_FullTitle();

enum {
  GLYPHOR_EXIT_OK = 0,
  GLYPHOR_EXIT_ERROR = 1,       // the job reported an error
  GLYPHOR_EXIT_NO_WINDOW = 64,  // no exit command: the interactive window is needed
};
