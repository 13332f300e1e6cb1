// Build-time converter: writes a PNG's pixels as the program keeps them in memory (32-bit
// premultiplied ARGB, rows top to bottom, this machine's byte order), so that the program shows
// its icon without decoding a picture at start-up.
#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PICTURE.png PIXELS\n", argv[0]);
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) !=
            image.sizeInBytes() ||
        !out.commit()) {
        std::fprintf(stderr, "%s: could not convert %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
