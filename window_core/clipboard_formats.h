#pragma once
// The clipboard formats that keep a secret text (a decrypted one) out of clipboard histories,
// once for every front end: each puts those that its system knows beside the plain text.

#include <string_view>

namespace vellumark {

// KDE's Klipper and several other Linux clipboard managers honour it.
inline constexpr char kPasswordManagerHint[] = "x-kde-passwordManagerHint";
inline constexpr char kSecretHint[] = "secret";

struct SecretClipboardFormat {
    // The format's name: a MIME type, or for a Windows format the name it is registered by.
    std::string_view name;
    // Its data, byte for byte.
    std::string_view data;
    // A registered Windows format rather than a MIME type.
    bool windows = false;
};

// Windows' own clipboard history and cloud clipboard, and the monitors that follow the
// convention: the first needs only to be present, the other two say "no" as a DWORD 0.
inline constexpr std::string_view kDwordZero{"\0\0\0\0", 4};

inline constexpr SecretClipboardFormat kSecretClipboardFormats[] = {
    {kPasswordManagerHint, kSecretHint, false},
    {"ExcludeClipboardContentFromMonitorProcessing", kDwordZero, true},
    {"CanIncludeInClipboardHistory", kDwordZero, true},
    {"CanUploadToCloudClipboard", kDwordZero, true},
};

}  // namespace vellumark
