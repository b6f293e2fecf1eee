#pragma once
// What screen readers hear of controls whose own text does not say it: a name or a
// description laid over the system's accessible object of a control.

#include <windows.h>

#include <string>

namespace vellumark::win32 {

// The texts that replace the system's; an empty one keeps the system's.
struct AccessibleTexts {
    std::wstring name;
    std::wstring description;
};

// The answer to WM_GETOBJECT(`wParam`, `lParam`) for `control`: its client object with `texts`
// laid over; zero for any other object, which the control's own procedure answers.
LRESULT AnnotatedObject(HWND control, WPARAM wParam, LPARAM lParam, const AccessibleTexts& texts);

// Tells screen readers that `control` shows a new text to announce: a live region, polite.
void AnnounceChange(HWND control);

// Marks `control` as a live region where the system knows them (Windows 8 and later).
void MarkLiveRegion(HWND control);

}  // namespace vellumark::win32
