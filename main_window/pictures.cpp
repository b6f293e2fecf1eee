#include "main_window/pictures.h"

#include <QBitmap>
#include <QPixmap>

namespace vellumark {

QIcon PictureIcon(const QString& path) {
    QPixmap picture(path);
    if (picture.isNull()) {
        return {};
    }
    picture.setMask(picture.createMaskFromColor(kPictureMaskColour, Qt::MaskInColor));
    return QIcon(picture);
}

}  // namespace vellumark
