#include "win32/pictures.h"

#include "win32/metrics.h"
#include "win32/resource_ids.h"

namespace vellumark::win32 {

namespace {

constexpr int kPictureSize = 16;
// The pictures' background, which the buttons leave out.
constexpr COLORREF kSilver = RGB(192, 192, 192);
// DSna: the destination where the source is not set.
constexpr DWORD kDestinationAndNotSource = 0x00220326;

}  // namespace

HICON LoadButtonPicture(int id, UINT dpi) {
    const int size = MulDiv(kPictureSize, static_cast<int>(dpi), 96);
    auto* const colour =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                        IMAGE_BITMAP, size, size, LR_CREATEDIBSECTION));
    if (colour == nullptr) {
        return nullptr;
    }
    const HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    const HDC colourDc = CreateCompatibleDC(nullptr);
    const HDC maskDc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldColour = SelectObject(colourDc, colour);
    const HGDIOBJ oldMask = SelectObject(maskDc, mask);
    // The mask: set where the picture is silver.
    SetBkColor(colourDc, kSilver);
    BitBlt(maskDc, 0, 0, size, size, colourDc, 0, 0, SRCCOPY);
    // The colour image black where the mask is set, so that the icon leaves the face there.
    SetBkColor(colourDc, RGB(255, 255, 255));
    SetTextColor(colourDc, RGB(0, 0, 0));
    BitBlt(colourDc, 0, 0, size, size, maskDc, 0, 0, kDestinationAndNotSource);
    SelectObject(colourDc, oldColour);
    SelectObject(maskDc, oldMask);
    DeleteDC(colourDc);
    DeleteDC(maskDc);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = colour;
    const HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                         MAKEINTRESOURCEW(IDR_PROGRAM_ICON), IMAGE_ICON, size, size,
                                         LR_DEFAULTCOLOR));
}

HCURSOR HandCursor() {
    static const HCURSOR hand =
        LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_CURSOR));
    return hand;
}

}  // namespace vellumark::win32
