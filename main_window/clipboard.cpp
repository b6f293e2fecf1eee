#include "main_window/clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QMimeData>

namespace vellumark {

QMimeData* ClipboardDataOf(const QString& text, bool secret) {
    auto* data = new QMimeData;
    data->setText(text);
    if (secret) {
        data->setData(QString::fromLatin1(kPasswordManagerHint), QByteArray(kSecretHint));
#ifdef Q_OS_WIN
        // Windows' own clipboard history and cloud clipboard, and the monitors that follow
        // the convention; the first needs only to be present, the other two say "no".
        const QByteArray no(4, '\0');
        data->setData(QStringLiteral("application/x-qt-windows-mime;value="
                                     "\"ExcludeClipboardContentFromMonitorProcessing\""),
                      QByteArray(1, '\0'));
        data->setData(
            QStringLiteral("application/x-qt-windows-mime;value=\"CanIncludeInClipboardHistory\""),
            no);
        data->setData(
            QStringLiteral("application/x-qt-windows-mime;value=\"CanUploadToCloudClipboard\""),
            no);
#endif
    }
    return data;
}

void PutOnClipboard(QClipboard& clipboard, const QString& text, bool secret) {
    clipboard.clear();
    clipboard.setMimeData(ClipboardDataOf(text, secret));
}

}  // namespace vellumark
