#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include <cstring>

QIcon programIcon()
{
    // Once it is the application's icon, that one is shared.
    if (const QIcon shared = QGuiApplication::windowIcon(); !shared.isNull())
        return shared;
    // The pixels are stored as they are kept in memory (the build converts the PNGs): copied,
    // not decoded.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
        const QResource pixels(QStringLiteral(":/icon/somnivo-%1.argb").arg(size));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        if (pixels.compressionAlgorithm() != QResource::NoCompression ||
            pixels.size() != image.sizeInBytes())
            continue;
        std::memcpy(image.bits(), pixels.data(), std::size_t(image.sizeInBytes()));
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
