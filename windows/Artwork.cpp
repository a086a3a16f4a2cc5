#include "windows/Artwork.h"

#include <QBitmap>
#include <QImage>

namespace Artwork {

QIcon ButtonFace(const QString &resource)
{
    QImage face(resource);
    if (!face.hasAlphaChannel()) {
        const QImage grey = face.createMaskFromColor(qRgb(192, 192, 192), Qt::MaskOutColor);
        face = face.convertToFormat(QImage::Format_ARGB32);
        face.setAlphaChannel(grey);
    }
    return QIcon(QPixmap::fromImage(face));
}

QIcon WindowIcon()
{
    return QIcon(QStringLiteral(":/art/tilora.png"));
}

QCursor DragCursor()
{
    const QPixmap hand(QStringLiteral(":/art/drag32.png"));
    return QCursor(hand, hand.width() / 2, hand.height() / 2);
}

} // namespace Artwork
