// How many device pixels show one image pixel. Ratio 1 keeps the zoom factor Z / 10
// exactly (1.5 shows pixels of one and two device pixels in turn, as chosen). Any other
// device pixel ratio snaps an enlargement to whole device pixels (2.0 at ratio 1.25
// shows three device pixels per image pixel, not an uneven 2.5), so zoomed pixels stay
// square and sharp; a reduction keeps its fraction.
#pragma once

// Device pixels per image pixel for the zoom value (1 to 40) at the device pixel ratio.
double VIEW_DeviceScale(int zoom, double devicePixelRatio);
// Device pixels covered by an image side of `size` pixels, at least one.
int VIEW_DeviceSpan(int size, int zoom, double devicePixelRatio);
