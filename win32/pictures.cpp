#include "win32/pictures.h"

#include <commctrl.h>

#include "win32/metrics.h"
#include "win32/resource_ids.h"

namespace vellumark::win32 {

namespace {

constexpr int kPictureSize = 16;
// The pictures' background, which the buttons leave out.
constexpr COLORREF kSilver = RGB(192, 192, 192);

}  // namespace

HICON LoadButtonPicture(int id, UINT dpi) {
    const int size = MulDiv(kPictureSize, static_cast<int>(dpi), 96);
    auto* const colour =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                        IMAGE_BITMAP, size, size, LR_CREATEDIBSECTION));
    // An image list makes the mask from the silver, and the icon from the two.
    const HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0);
    ImageList_AddMasked(list, colour, kSilver);
    const HICON icon = ImageList_GetIcon(list, 0, ILD_NORMAL);
    ImageList_Destroy(list);
    DeleteObject(colour);
    return icon;
}

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(IDR_PROGRAM_ICON), IMAGE_ICON, size, size,
                                         LR_DEFAULTCOLOR));
}

HCURSOR HandCursor() {
    return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_CURSOR));
}

}  // namespace vellumark::win32
