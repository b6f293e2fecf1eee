#include "main_window/clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QMimeData>

#include "window_core/clipboard_formats.h"

namespace vellumark {

namespace {

// Whether the clipboard is Windows' own, which knows the registered formats.
#ifdef Q_OS_WIN
constexpr bool kWindowsClipboard = true;
#else
constexpr bool kWindowsClipboard = false;
#endif

}  // namespace

void PutOnClipboard(QClipboard& clipboard, const QString& text, bool secret) {
    auto* data = new QMimeData;
    data->setText(text);
    if (secret) {
        for (const SecretClipboardFormat& format : kSecretClipboardFormats) {
            if (format.windows && !kWindowsClipboard) {
                continue;
            }
            const QString name = QString::fromLatin1(format.name.data(),
                                                     static_cast<qsizetype>(format.name.size()));
            data->setData(format.windows
                              ? QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(name)
                              : name,
                          QByteArray(format.data.data(), static_cast<qsizetype>(format.data.size())));
        }
    }
    clipboard.clear();
    clipboard.setMimeData(data);
}

}  // namespace vellumark
