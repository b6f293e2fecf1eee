#pragma once
// How the main window makes each control of the design: its class, styles, identifier and
// picture. The design (window_core/design.h) gives the rest.

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string_view>

#include "engine/overflow_error.h"
#include "win32/resource_ids.h"
#include "window_core/controls.h"

namespace vellumark::win32 {

struct ControlMaker {
    std::string_view name;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    int id;
    // The picture of a picture button (IDB_PASTE, ...); 0 for the other controls.
    int picture = 0;
};

// Each a visible child (window_class.h).
inline constexpr DWORD kFrame = BS_GROUPBOX;
inline constexpr DWORD kTextBox =
    WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_NOHIDESEL;
// An icon rather than a bitmap: its mask keeps the pictures' silver background off the face.
inline constexpr DWORD kPictureButton = WS_TABSTOP | BS_PUSHBUTTON | BS_ICON;
inline constexpr DWORD kModeLabel = SS_CENTER | WS_BORDER;

inline constexpr ControlMaker kMakers[] = {
    {"Frame1", WC_BUTTONW, kFrame, 0, IDC_FRAME1},
    {"txtCodeNum", WC_EDITW, WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
     IDC_TXT_CODE_NUM},
    {"Frame2", WC_BUTTONW, kFrame, 0, IDC_FRAME2},
    {"txtIn", WC_EDITW, kTextBox | ES_WANTRETURN, WS_EX_CLIENTEDGE, IDC_TXT_IN},
    {"cmdPasteInput", WC_BUTTONW, kPictureButton, 0, IDC_CMD_PASTE_INPUT, IDB_PASTE},
    {"cmdClearInput", WC_BUTTONW, kPictureButton | WS_DISABLED, 0, IDC_CMD_CLEAR_INPUT, IDB_CLEAR},
    {"cmdCutOutput", WC_BUTTONW, kPictureButton | WS_DISABLED, 0, IDC_CMD_CUT_OUTPUT, IDB_CUT},
    {"cmdCopyOutput", WC_BUTTONW, kPictureButton | WS_DISABLED, 0, IDC_CMD_COPY_OUTPUT, IDB_COPY},
    {"txtOut", WC_EDITW, kTextBox | ES_READONLY, WS_EX_CLIENTEDGE, IDC_TXT_OUT},
    {"lblEncrypt", WC_STATICW, kModeLabel, 0, IDC_LBL_ENCRYPT},
    {"lblDecrypt", WC_STATICW, kModeLabel, 0, IDC_LBL_DECRYPT},
    {"fraMode", WC_BUTTONW, kFrame, 0, IDC_FRA_MODE},
    {"Frame3", WC_BUTTONW, kFrame, 0, IDC_FRAME3},
};

// The input box's size: the longest cipher text with a line break after every symbol, so it
// refuses nothing that either mode takes but a blank-padded cipher text. A longer paste is cut
// there, and said so; at that size, Wine's box keeps a key's and a paste's time in bounds.
inline constexpr std::size_t kInputLimit = 3 * kMaxCipherSymbols;
static_assert(kInputLimit > 2 * kMaxTextLength, "a cut input is refused to encrypt");
// Posted by the input box's size limit, read once the cut paste or key has been handled.
inline constexpr UINT kInputCut = WM_APP + 1;

// The maker of the design's control `name`; nullptr for a name that is none of them.
constexpr const ControlMaker* MakerOf(std::string_view name) {
    for (const ControlMaker& maker : kMakers) {
        if (maker.name == name) {
            return &maker;
        }
    }
    return nullptr;
}

}  // namespace vellumark::win32
