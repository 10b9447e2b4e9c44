// State shared by the frame and its views: the mapped blocks and the settings.
#pragma once

#include "viewer/shmem.h"
#include "viewer/viewer_modes.h"

struct ViewerContext {
  ShmemState shm;
  ViewerSettings settings;
};
