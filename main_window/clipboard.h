#pragma once

#include <QString>

class QClipboard;

namespace vellumark {

// Clears the clipboard in every format, then puts the text on it: two steps, as the program
// always did, so nothing of the previous contents survives beside the new text. A `secret`
// text also carries the formats that keep it out of clipboard histories on this platform.
void PutOnClipboard(QClipboard& clipboard, const QString& text, bool secret);

}  // namespace vellumark
