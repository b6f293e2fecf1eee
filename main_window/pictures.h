#pragma once
// The button pictures are 16-colour bitmaps drawn on silver; the buttons treat silver as
// transparent so that the picture sits on the button face of any style.

#include <QColor>
#include <QIcon>
#include <QString>
#include <cstdint>

namespace vellumark {

inline const QColor kPictureMaskColour{0xC0, 0xC0, 0xC0};

inline const QString kPastePicture = QStringLiteral(":/pictures/paste.bmp");
inline const QString kClearPicture = QStringLiteral(":/pictures/clear.bmp");
inline const QString kCutPicture = QStringLiteral(":/pictures/cut.bmp");
inline const QString kCopyPicture = QStringLiteral(":/pictures/copy.bmp");
inline const QString kProgramIcon = QStringLiteral(":/pictures/vellumark.ico");

// The picture at `path` with its silver pixels made transparent; a null icon when the
// picture cannot be read, so a build without the pictures still runs.
QIcon PictureIcon(const QString& path);

}  // namespace vellumark
