// The maker's name, tagline and web address, as the header box of generated files shows them.
#pragma once

#define MAKER_NAME "Tavrex"
#define MAKER_TAGLINE "Graphics software for embedded displays"
#define MAKER_WEB "https://tavrex.example"
