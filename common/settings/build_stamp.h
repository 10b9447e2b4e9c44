// Build time stamp in the compiler's __DATE__ / __TIME__ forms ("Dec 12 2017",
// "16:29:38"); from SOURCE_DATE_EPOCH (UTC) when the build sets it, for reproducible output.
#pragma once

const char* BUILD_GetDate();
const char* BUILD_GetTime();
