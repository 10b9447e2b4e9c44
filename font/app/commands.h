// Command handlers of the font converter, reached by identifier from the menus, the
// tool bar and command-line jobs alike. Each group keeps its own table; the
// dispatcher searches them in turn.
#pragma once

struct GlyphorCommand {
  unsigned FirstId;  // the handler serves FirstId..LastId
  unsigned LastId;
  void (*pfHandle)(unsigned id, unsigned param);
};

// Tables end with an entry whose handler is null.
extern const GlyphorCommand GLYPHOR_aFileCommands[];  // new, save, load, merge, exit
extern const GlyphorCommand GLYPHOR_aEditCommands[];  // editing, characters, ranges, patterns
extern const GlyphorCommand GLYPHOR_aViewCommands[];  // view mode, options, help
extern const GlyphorCommand GLYPHOR_aJobCommands[];   // job commands reading their arguments

// Delivers a command as the main window's menu command. Unknown identifiers do nothing.
void GLYPHOR_Execute(unsigned id, unsigned param);
bool GLYPHOR_HasHandler(unsigned id);

// True once the exit command ran (the main window is gone).
bool GLYPHOR_IsExitRequested();
// Back to the state of a program start: no exit, all characters shown, Save As format
// C, range dialog values 0.
void GLYPHOR_ResetCommandState();
// Enabled-characters-only view mode (menu 760).
bool GLYPHOR_IsEnabledOnlyView();
