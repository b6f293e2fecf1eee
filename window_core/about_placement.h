#pragma once
// Where the about box stands: centred over the main window's outer rectangle (frame and
// title bar included), worked out as the classic windows did, in twips and in single
// precision, so that its rounding is that of the measures it reads. Nothing keeps the box
// on the screen.

#include "window_core/design.h"

namespace vellumark {

// Where a window of size `own` starts so that it is centred on a window that starts at
// `mainEdge` with size `mainSize`, all in twips: first the difference, then the halving,
// then the sum.
float CentredEdge(float own, float mainEdge, float mainSize);

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// The top-left corner of the box's outer rectangle, of `boxWidth` by `boxHeight` pixels,
// centred over the main window's outer rectangle `main`.
PixelPoint CentredPlace(const PixelRect& main, int boxWidth, int boxHeight);

}  // namespace vellumark
