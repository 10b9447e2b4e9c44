// Titles of the viewer's windows.
#pragma once

#include <string>

#include "viewer/display_block.h"

constexpr const char* VIEWER_APP_NAME = "ZentileView";
constexpr int VIEWER_VERSION_MAJOR = 5, VIEWER_VERSION_MINOR = 4, VIEWER_VERSION_PATCH = 6;

// "ZentileView V5.46"
std::string TITLE_Frame();
// "5.46"
std::string TITLE_VersionText();
// "Vis.Layer #0, 320*240, 16bpp @ 0,0" or "Virt.Layer #0, 640*480, 16bpp", then the zoom.
std::string TITLE_Layer(int display, const BlockGeometry& g, int xOrg, int yOrg, bool virtualView,
                        int zoom);
// "Composite LCD 320*240" before any zoom change, "Composite 320*240, 200%" after one.
std::string TITLE_Composite(int width, int height, bool zoomChanged, int zoom);
// "Colors #1"
std::string TITLE_Colors(int display);
// ", 300%" for zoom 3; empty for zoom 1.
std::string TITLE_ZoomSuffix(int zoom);
