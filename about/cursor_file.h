#pragma once
// Cursors from .cur files, with the hot spot that the file gives. Qt's image reader reads
// a cursor's pixels but not its hot spot, so the directory entry is read here.

#include <QByteArray>
#include <QCursor>
#include <QPoint>
#include <QString>
#include <optional>

namespace vellumark {

// The hot spot of the first image of a cursor file's bytes, or nothing when the bytes are
// not a cursor file.
std::optional<QPoint> CursorHotSpot(const QByteArray& file);

// The cursor in the file at `path` (a resource path serves), or the arrow when the file
// cannot be read.
QCursor LoadCursorFile(const QString& path);

}  // namespace vellumark
