#pragma once

#include <QString>
#include <QStringList>

#include "window_core/clipboard_formats.h"

class QClipboard;
class QMimeData;

namespace vellumark {

// The text as plain text, and, when `secret`, with the formats that keep it out of
// clipboard histories on this platform.
QMimeData* ClipboardDataOf(const QString& text, bool secret);

// Clears the clipboard in every format, then puts the text on it: two steps, as the program
// always did, so nothing of the previous contents survives beside the new text.
void PutOnClipboard(QClipboard& clipboard, const QString& text, bool secret);

}  // namespace vellumark
