#pragma once
// The page's elements at the design's places (window_core/design.h), which style.css draws
// from: nothing on the page holds a place of its own.

namespace vellumark {

// Hands the page each control's pixel place in its container, and each window's client size;
// the core's controls also get their Control numbers, by which the view works them.
void PlaceDesign();

}  // namespace vellumark
