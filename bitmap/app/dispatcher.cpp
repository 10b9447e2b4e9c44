// Delivers menu command identifiers to the handler tables of each command group.
#include "bitmap/app/commands.h"

#include "bitmap/messages/rastrel_messages.h"
#include "bitmap/document/image.h"
#include "common/host/app_host.h"
#include "common/cmdline/cmdline.h"

static const CommandHandler* const s_apTable[] = {
    RASTREL_aFileCommands, RASTREL_aEditCommands, RASTREL_aColourCommands, RASTREL_aTransformCommands,
    RASTREL_aAlphaCommands, RASTREL_aWindowCommands};

static const CommandHandler* find_handler(unsigned id) {
  for (const CommandHandler* table : s_apTable)
    for (const CommandHandler* h = table; h->pfHandle; ++h)
      if (id >= h->FirstId && id <= h->LastId) return h;
  return nullptr;
}

void RASTREL_Execute(unsigned id, unsigned param) {
  (void)param;
  if (const CommandHandler* h = find_handler(id)) h->pfHandle(id);
}

bool RASTREL_HasHandler(unsigned id) { return find_handler(id) != nullptr; }

ImageDocument* RASTREL_RequireImage() {
  ImageDocument* doc = IMAGE_GetCurrent();
  if (!doc) CMDLINE_ReportText(RASTREL_acNoImage);
  return doc;
}

ImageDocument* RASTREL_TakeImage() { return IMAGE_DetachCurrent(); }

void RASTREL_ReplaceImage(ImageDocument* doc) {
  IMAGE_SetCurrent(doc);
  HOST_Get()->Redraw();
}
