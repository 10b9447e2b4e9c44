// Animation of the simulation's layers.
#include "tools/vorixsim/sim_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

static uint32_t rgb(int r, int g, int b) { return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

static void paint_still(SimBlock* b) {
  const BlockGeometry& g = b->g;
  int hx = g.vxSize / 2, hy = g.vySize / 2;
  if (g.bytesPerPixel == 1) {
    for (int i = 0; i < 4; ++i) SIMBLOCK_SetColor(b, i + 1, SCENE_STILL_COLOURS[i]);
    SIMBLOCK_SetColor(b, 5, SCENE_POINTER_COLOUR);
    SIMBLOCK_SetColor(b, 6, SCENE_PRESSED_COLOUR);
  }
  auto value = [&](int i) { return g.bytesPerPixel == 1 ? uint32_t(i + 1) : SCENE_STILL_COLOURS[i]; };
  SIMBLOCK_Fill(b, 0, 0, hx, hy, value(0));
  SIMBLOCK_Fill(b, hx, 0, g.vxSize, hy, value(1));
  SIMBLOCK_Fill(b, 0, hy, hx, g.vySize, value(2));
  SIMBLOCK_Fill(b, hx, hy, g.vxSize, g.vySize, value(3));
}

static void paint_shapes(SimBlock* b, long frame) {
  const BlockGeometry& g = b->g;
  for (int y = 0; y < g.vySize; ++y)
    SIMBLOCK_Fill(b, 0, y, g.vxSize, y + 1, rgb(16, 24 + 80 * y / std::max(g.vySize, 1), 64));
  // A square bouncing between the edges and a disc on a circular path.
  int span = std::max(g.xSize - 40, 1), t = int(frame * 3 % (2 * span));
  int sx = t < span ? t : 2 * span - t;
  int sy = g.ySize / 2 - 20 + int(20 * std::sin(frame * 0.05));
  SIMBLOCK_Fill(b, sx, sy, sx + 40, sy + 40, rgb(255, 140, 0));
  double a = frame * 0.04;
  int cx = int(g.xSize / 2 + g.xSize / 3 * std::cos(a)), cy = int(g.ySize / 2 + g.ySize / 3 * std::sin(a));
  for (int y = -14; y <= 14; ++y)
    for (int x = -14; x <= 14; ++x)
      if (x * x + y * y <= 196) SIMBLOCK_SetPixel(b, cx + x, cy + y, rgb(240, 240, 80));
}

static void paint_plasma(SimBlock* b) {
  const BlockGeometry& g = b->g;
  for (int y = 0; y < g.vySize; ++y)
    for (int x = 0; x < g.vxSize; ++x) {
      double v = std::sin(x * 0.09) + std::sin(y * 0.07) + std::sin((x + y) * 0.05);
      int index = 1 + int((v + 3) / 6 * 254);
      int dx = x - g.vxSize / 2, dy = y - g.vySize / 2, r2 = dx * dx + dy * dy;
      // A ring of index 0, transparent in the composite.
      if (r2 > 20 * 20 && r2 < 28 * 28) index = 0;
      SIMBLOCK_SetPixel(b, x, y, uint32_t(index));
    }
  SIMBLOCK_Set(b, BLOCK_TRANSMODE, 2);
}

static void cycle_palette(SimBlock* b, long frame) {
  SIMBLOCK_SetColor(b, 0, 0);
  for (int i = 1; i < 256; ++i) {
    double h = (i + frame * 2) * (6.2831853 / 255);
    SIMBLOCK_SetColor(b, i, rgb(int(127 + 127 * std::sin(h)), int(127 + 127 * std::sin(h + 2.094)),
                                int(127 + 127 * std::sin(h + 4.189))));
  }
  SIMBLOCK_BumpPalette(b);
}

static void paint_translucent(SimBlock* b, long frame, int alphaFlag) {
  const BlockGeometry& g = b->g;
  for (int y = 0; y < g.vySize; ++y)
    for (int x = 0; x < g.vxSize; ++x) {
      // Transparency rises from left (opaque) to right; moving stripes tint the colour.
      uint32_t transparency = uint32_t(255 * x / std::max(g.vxSize - 1, 1));
      uint32_t alpha = alphaFlag ? 255 - transparency : transparency;
      bool stripe = ((x + y + frame) / 8) % 2;
      uint32_t c = stripe ? rgb(40, 200, 230) : rgb(230, 40, 200);
      SIMBLOCK_SetPixel(b, x, y, alpha << 24 | c);
    }
}

static void paint_scroller(SimBlock* b) {
  const BlockGeometry& g = b->g;
  for (int y = 0; y < g.vySize; ++y)
    for (int x = 0; x < g.vxSize; ++x) {
      bool dark = ((x / 16) + (y / 16)) % 2;
      // Black squares fall inside the colour key and let the layers below show.
      SIMBLOCK_SetPixel(b, x, y, dark ? 0 : rgb(255 * x / g.vxSize, 255 - 255 * y / g.vySize, 160));
    }
  SIMBLOCK_Set(b, BLOCK_TRANSMODE, 1);
  SIMBLOCK_Set(b, BLOCK_KEYLOW, 0);
  SIMBLOCK_Set(b, BLOCK_KEYHIGH, 0x101010);
}

static void move_origin(SimBlock* b, long frame) {
  const BlockGeometry& g = b->g;
  double a = frame * 0.03;
  int rx = (g.vxSize - g.xSize) / 2, ry = (g.vySize - g.ySize) / 2;
  SIMBLOCK_Set(b, BLOCK_XORG, rx + int(rx * std::cos(a)));
  SIMBLOCK_Set(b, BLOCK_YORG, ry + int(ry * std::sin(a)));
}

static void draw_pointer(SimBlock* b, int x, int y, int keys) {
  if (x < 0 || y < 0) return;
  uint32_t c = (keys & 1) ? SCENE_PRESSED_COLOUR : SCENE_POINTER_COLOUR;
  uint32_t v = b->g.bytesPerPixel == 1 ? ((keys & 1) ? 6 : 5) : c;
  SIMBLOCK_Fill(b, x - 1, y - 1, x + 2, y + 2, v);
}

void SCENE_Start(Scene* scene) {
  for (SceneLayer& L : scene->layers) {
    switch (L.role) {
      case ROLE_STILL: paint_still(&L.block); break;
      case ROLE_SHAPES: paint_shapes(&L.block, 0); break;
      case ROLE_PALETTE_CYCLE: paint_plasma(&L.block); cycle_palette(&L.block, 0); break;
      case ROLE_TRANSLUCENT: paint_translucent(&L.block, 0, scene->alphaFlag); break;
      case ROLE_SCROLLER: paint_scroller(&L.block); break;
    }
    SIMBLOCK_BumpFrame(&L.block);
  }
}

void SCENE_Step(Scene* scene, long frame) {
  if (scene->layers.empty()) return;
  SimBlock* first = &scene->layers[0].block;
  int mx = SIMBLOCK_Get(first, BLOCK_MOUSEX), my = SIMBLOCK_Get(first, BLOCK_MOUSEY);
  int keys = SIMBLOCK_Get(first, BLOCK_MOUSEKEYS);
  bool pointerChanged = mx != scene->lastMouseX || my != scene->lastMouseY || keys != scene->lastKeys;
  scene->lastMouseX = mx;
  scene->lastMouseY = my;
  scene->lastKeys = keys;
  for (size_t i = 0; i < scene->layers.size(); ++i) {
    SceneLayer& L = scene->layers[i];
    bool changed = true;
    switch (L.role) {
      case ROLE_STILL:
        changed = i == 0 && pointerChanged;
        if (changed) paint_still(&L.block);
        break;
      case ROLE_SHAPES: paint_shapes(&L.block, frame); break;
      case ROLE_PALETTE_CYCLE: cycle_palette(&L.block, frame); break;
      case ROLE_TRANSLUCENT: paint_translucent(&L.block, frame, scene->alphaFlag); break;
      case ROLE_SCROLLER: move_origin(&L.block, frame); break;
    }
    if (i == 0 && changed) draw_pointer(&L.block, mx, my, keys);
    if (changed) SIMBLOCK_BumpFrame(&L.block);
  }
}
