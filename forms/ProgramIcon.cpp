#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QResource>

QIcon programIcon()
{
    // Once it is the application's icon, that one is shared.
    if (const QIcon shared = QGuiApplication::windowIcon(); !shared.isNull())
        return shared;
    // The pixels are stored as they are kept in memory (the build converts the PNGs), and stay in
    // the program's resources: the pictures are drawn from there, neither decoded nor copied.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
        const QResource pixels(QStringLiteral(":/icon/somnivo-%1.argb").arg(size));
        const QImage image(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied);
        // That resource holds nothing but these pictures, each a whole number of pixels, so each
        // starts on the four-byte boundary an image's lines need.
        if (pixels.compressionAlgorithm() != QResource::NoCompression ||
            pixels.size() != image.sizeInBytes() ||
            reinterpret_cast<quintptr>(pixels.data()) % alignof(quint32) != 0)
            continue;
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
