#include "card_editor/card/CaptureFile.h"

#include "common/platform/FileSystem.h"

#include <QBuffer>
#include <QImage>

namespace CaptureFile {

QString fileName(const QString& gameName) {
    if (gameName.isEmpty()) {
        return QStringLiteral("capture.bmp");
    }
    QString name = gameName;
    for (QChar& c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = u'_';
        }
    }
    return name + QStringLiteral(".bmp");
}

QString path(const QString& programFolder, const QString& gameName) {
    return FileSystem::joinPath(FileSystem::joinPath(programFolder, QStringLiteral("Images")),
                                fileName(gameName));
}

bool write(const QImage& image, const QString& path, QString* error) {
    // No alpha, so the bitmap holds three bytes a pixel, and the pixel size the card has in
    // its own coordinates.
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    rgb.setDevicePixelRatio(1.0);
    QByteArray bytes;
    constexpr qsizetype HeaderSize = 54;
    bytes.reserve(HeaderSize + qsizetype(rgb.height()) * ((rgb.width() * 3 + 3) & ~3));
    QBuffer buffer(&bytes);
    if (rgb.isNull() || !buffer.open(QIODevice::WriteOnly) || !rgb.save(&buffer, "BMP")) {
        if (error != nullptr) {
            *error = QStringLiteral("The picture could not be turned into a bitmap");
        }
        return false;
    }
    return FileSystem::replaceFile(path, bytes, error);
}

} // namespace CaptureFile
