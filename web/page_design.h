#pragma once
// The page built from the core's tables at its start: the elements at the design's places
// (window_core/design.h), which style.css draws from, the menus from the command table
// (window_core/commands.h) and the about box's texts. Nothing on the page holds its own.

namespace vellumark {

// Hands the page each control's pixel place in its container and each window's client size
// (the core's controls with their Control numbers, by which the view works them), then the
// menus and the about box's texts.
void BuildPage();

}  // namespace vellumark
