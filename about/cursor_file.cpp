#include "about/cursor_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace vellumark {

namespace {

quint16 ReadWord(const QByteArray& bytes, int at) {
    return static_cast<quint16>(static_cast<unsigned char>(bytes[at]) |
                                (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

}  // namespace

std::optional<QPoint> CursorHotSpot(const QByteArray& file) {
    // The file starts with a 6-byte header (reserved 0, type 2 for cursors, image count),
    // then one 16-byte entry per image; in a cursor's entry the two words that an icon
    // uses for planes and bit count hold the hot spot's x and y.
    constexpr int kHeader = 6;
    constexpr int kEntry = 16;
    if (file.size() < kHeader + kEntry || ReadWord(file, 0) != 0 || ReadWord(file, 2) != 2 ||
        ReadWord(file, 4) < 1) {
        return std::nullopt;
    }
    return QPoint(ReadWord(file, kHeader + 4), ReadWord(file, kHeader + 6));
}

QCursor LoadCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QCursor(Qt::ArrowCursor);
    }
    QByteArray bytes = file.readAll();
    const std::optional<QPoint> hotSpot = CursorHotSpot(bytes);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (!hotSpot || image.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    return QCursor(QPixmap::fromImage(image), hotSpot->x(), hotSpot->y());
}

}  // namespace vellumark
