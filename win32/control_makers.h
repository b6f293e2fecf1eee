#pragma once
// How the main window makes each control of its design: its class and styles. The design
// (window_core/design.h) gives the rest.

#include <windows.h>

#include <commctrl.h>

#include <cstddef>

#include "engine/overflow_error.h"
#include "win32/window_class.h"

namespace vellumark::win32 {

// Each a visible child (window_class.h).
inline constexpr DWORD kFrame = BS_GROUPBOX;
inline constexpr DWORD kTextBox =
    WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_NOHIDESEL;
// An icon rather than a bitmap: its mask keeps the pictures' silver background off the face.
inline constexpr DWORD kPictureButton = WS_TABSTOP | BS_PUSHBUTTON | BS_ICON;
// SS_NOTIFY: a static control is transparent to the mouse unless it says otherwise.
inline constexpr DWORD kModeLabel = SS_CENTER | SS_NOTIFY | WS_BORDER;

// Identifiers from 300 (the code-number box is 301); the status bar's follows the last.
inline constexpr WindowControls<13> kMainControls{
    kFrmMainControls,
    {{
        {"Frame1", WC_BUTTONW, kFrame},
        {"txtCodeNum", WC_EDITW, WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
        {"Frame2", WC_BUTTONW, kFrame},
        {"txtIn", WC_EDITW, kTextBox | ES_WANTRETURN, WS_EX_CLIENTEDGE},
        {"cmdPasteInput", WC_BUTTONW, kPictureButton},
        {"cmdClearInput", WC_BUTTONW, kPictureButton | WS_DISABLED},
        {"cmdCutOutput", WC_BUTTONW, kPictureButton | WS_DISABLED},
        {"cmdCopyOutput", WC_BUTTONW, kPictureButton | WS_DISABLED},
        {"txtOut", WC_EDITW, kTextBox | ES_READONLY, WS_EX_CLIENTEDGE},
        {"lblEncrypt", WC_STATICW, kModeLabel},
        {"lblDecrypt", WC_STATICW, kModeLabel},
        {"fraMode", WC_BUTTONW, kFrame},
        {"Frame3", WC_BUTTONW, kFrame},
    }},
    300};
static_assert(InCreationOrder(kFrmMainControls, kMainControls.makers));
inline constexpr int kStatusBarId =
    kMainControls.firstId + static_cast<int>(kFrmMainControls.size());

// The input box's size: the longest cipher text with a line break after every symbol, so it
// refuses nothing that either mode takes but a blank-padded cipher text. A longer paste is cut
// there, and said so; at that size, Wine's box keeps a key's and a paste's time in bounds.
inline constexpr std::size_t kInputLimit = 3 * kMaxCipherSymbols;
static_assert(kInputLimit > 2 * kMaxTextLength, "a cut input is refused to encrypt");
// Posted by the input box's size limit, read once the cut paste or key has been handled.
inline constexpr UINT kInputCut = WM_APP + 1;

}  // namespace vellumark::win32
