#pragma once
// The resources' identifiers, shared by the resource script and the code. Plain macros,
// because the resource compiler reads this file.
// NOLINTBEGIN(cppcoreguidelines-macro-usage)

// The program icon is 1, from resources/vellumark.rc. The button pictures are in the order
// of the buttons (window_core/controls.h).
#define IDR_PROGRAM_ICON 1
#define IDB_PASTE 110
#define IDB_CLEAR 111
#define IDB_CUT 112
#define IDB_COPY 113
#define IDC_HAND_CURSOR 120
// NOLINTEND(cppcoreguidelines-macro-usage)
