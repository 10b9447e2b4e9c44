// Delivers command identifiers to the handler tables of each command group.
#include "font/app/commands.h"

static const GlyphorCommand* const s_apTable[] = {GLYPHOR_aFileCommands, GLYPHOR_aEditCommands,
                                                  GLYPHOR_aViewCommands, GLYPHOR_aJobCommands};

static const GlyphorCommand* find_handler(unsigned id) {
  for (const GlyphorCommand* table : s_apTable)
    for (const GlyphorCommand* h = table; h->pfHandle; ++h)
      if (id >= h->FirstId && id <= h->LastId) return h;
  return nullptr;
}

void GLYPHOR_Execute(unsigned id, unsigned param) {
  if (const GlyphorCommand* h = find_handler(id)) h->pfHandle(id, param);
}

bool GLYPHOR_HasHandler(unsigned id) { return find_handler(id) != nullptr; }
