// The installed font converter host; a headless one until the program installs its own.
#include "font/app/glyphor_host.h"

#include "font/app/headless_glyphor_host.h"

static GlyphorHost* s_pHost;

GlyphorHost* GLYPHOR_Host() {
  static HeadlessGlyphorHost fallback;
  return s_pHost ? s_pHost : &fallback;
}

void GLYPHOR_SetHost(GlyphorHost* host) {
  s_pHost = host;
  HOST_Set(host);
}
