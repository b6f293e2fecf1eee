#pragma once
// The pictures that the program carries as resources: the four button bitmaps, the program
// icon and the hand cursor over the about box's address.

#include <windows.h>

namespace vellumark::win32 {

// A button picture (IDB_PASTE, ...) of 16 × 16 pixels scaled for `dpi`, as an icon whose mask
// leaves out the silver background, so that the face shows through and a disabled button's
// picture greys in its own shape. The caller owns it.
HICON LoadButtonPicture(int id, UINT dpi);

// The program icon at `size` pixels square. The caller owns it.
HICON LoadProgramIcon(int size);

// The pointing hand, loaded once and shared by the system; never destroyed.
HCURSOR HandCursor();

}  // namespace vellumark::win32
