// Size and place of the main window: the size and position the user left it at,
// restored within the screen's available area (a window larger than the screen shrinks
// to fit, one moved off the screen comes back onto it). Plain rules; the window reads
// and writes the values under RASTREL_acWindowKey.
#pragma once

struct WindowRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
};

// Space the window system's frame adds around the client area.
struct FrameMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

enum { WINDOW_DEFAULT_WIDTH = 640, WINDOW_DEFAULT_HEIGHT = 520, WINDOW_MIN_WIDTH = 240, WINDOW_MIN_HEIGHT = 160 };

// The stored geometry: "Software\Tavrex\Rastrel\Window\" with the dwords X, Y, Width,
// Height and Maximized.
extern const char RASTREL_acWindowKey[];

// Client rectangle to show: `wanted` (the default size when its width or height is 0,
// centred when hasPosition is false) made to fit inside `available` with the frame.
WindowRect RASTREL_FitWindow(const WindowRect& wanted, bool hasPosition, const WindowRect& available,
                             const FrameMargins& frame);

struct StoredWindow {
  WindowRect Rect;  // X and Y: the frame's top left corner; Width and Height: the client area
  bool HasPosition = false;
  bool Maximized = false;
};
// Reads the stored geometry; absent or damaged values give the default size, no position.
StoredWindow RASTREL_LoadWindow();
void RASTREL_SaveWindow(const StoredWindow& window);
