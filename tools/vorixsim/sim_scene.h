// What the simulation draws: moving shapes, a cycling palette, a translucent layer with
// per-pixel alpha, a scrolled virtual layer, the pointer position, or a still test
// pattern of four coloured quadrants.
#pragma once

#include <vector>

#include "tools/vorixsim/sim_blocks.h"

enum SceneRole { ROLE_SHAPES, ROLE_PALETTE_CYCLE, ROLE_TRANSLUCENT, ROLE_SCROLLER, ROLE_STILL };

struct SceneLayer {
  SimBlock block;
  SceneRole role = ROLE_SHAPES;
};

struct Scene {
  std::vector<SceneLayer> layers;
  int alphaFlag = 0;       // 1: alpha 255 is opaque
  int lastMouseX = -2, lastMouseY = -2, lastKeys = -1;
};

// Quadrant colours of the still pattern (0xRRGGBB): top left, top right, bottom left,
// bottom right; the tests look for them on the screen.
constexpr unsigned SCENE_STILL_COLOURS[4] = {0xE02040, 0x20C040, 0x2040E0, 0xE0E020};
// Pointer marker colours: button up, left button held.
constexpr unsigned SCENE_POINTER_COLOUR = 0xFFFFFF, SCENE_PRESSED_COLOUR = 0x00FFFF;

// Paints the first frame of every layer.
void SCENE_Start(Scene* scene);
// Advances the animation to frame n (still layers change only with the pointer) and
// bumps the change counters of the layers that changed.
void SCENE_Step(Scene* scene, long frame);
