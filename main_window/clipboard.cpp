#include "main_window/clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QMimeData>

#include "about/design_widgets.h"
#include "window_core/clipboard_formats.h"

namespace vellumark {

void PutOnClipboard(QClipboard& clipboard, const QString& text, bool secret) {
    auto* data = new QMimeData;
    data->setText(text);
    for (const SecretClipboardFormat& format : kSecretClipboardFormats) {
        // The registered Windows formats are the Windows edition's; here the MIME types serve.
        if (secret && !format.windows) {
            data->setData(
                Latin1Text(format.name),
                QByteArray(format.data.data(), static_cast<qsizetype>(format.data.size())));
        }
    }
    clipboard.clear();
    clipboard.setMimeData(data);
}

}  // namespace vellumark
