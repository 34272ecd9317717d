#include "card_editor/card/CaptureFile.h"
#include "common/platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

TEST(CaptureFile, NamesTheFileAfterTheGameInsideTheImagesFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "capture.bmp"},
        {"Flight Sim", "Flight Sim.bmp"},
        {"F/A-18", "F_A-18.bmp"},
        {"..\\..\\evil", ".._.._evil.bmp"},
        {"../../etc/passwd", ".._.._etc_passwd.bmp"},
        {"Tab\there", "Tab_here.bmp"},
        {"Ünïcode", "Ünïcode.bmp"},
    };
    for (const auto& [game, name] : cases) {
        EXPECT_EQ(CaptureFile::fileName(QString::fromUtf8(game)), QString::fromUtf8(name)) << game;
        const QString path = CaptureFile::path("/opt/quillet", QString::fromUtf8(game));
        EXPECT_EQ(QDir::cleanPath(path + "/.."), "/opt/quillet/Images") << game;
    }
    EXPECT_EQ(CaptureFile::fileName(QString(QChar(0)) + "x"), "_x.bmp");
}

// Bits per pixel, width and height from a bitmap file's header.
struct BmpHeader {
    int bitsPerPixel;
    int width;
    int height;
};
BmpHeader header(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    return {qFromLittleEndian<quint16>(data + 28), qFromLittleEndian<qint32>(data + 18),
            std::abs(qFromLittleEndian<qint32>(data + 22))};
}

TEST(CaptureFile, WritesA24BitBitmapAtOnePixelPerPixel) {
    QTemporaryDir dir;
    const QString path = dir.filePath("card.bmp");
    QImage image(30, 20, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2.0);
    image.fill(QColor(10, 200, 30));
    QString error;
    ASSERT_TRUE(CaptureFile::write(image, path, &error)) << error.toStdString();
    const QByteArray bytes = *FileSystem::readFile(path);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    const BmpHeader h = header(bytes);
    EXPECT_EQ(h.bitsPerPixel, 24);
    EXPECT_EQ(h.width, 30);
    EXPECT_EQ(h.height, 20);
    EXPECT_EQ(QImage(path).pixelColor(5, 5), QColor(10, 200, 30));

    // A second capture replaces the first without asking.
    image = QImage(8, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(CaptureFile::write(image, path, &error));
    EXPECT_EQ(QImage(path).size(), QSize(8, 4));
}

TEST(CaptureFile, AFailedWriteSaysWhyAndKeepsTheOldFile) {
    QTemporaryDir dir;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QString error;

    // The folder is gone: nothing is written anywhere.
    EXPECT_FALSE(CaptureFile::write(image, dir.filePath("Images/x.bmp"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Images")));

    // A read-only file and a folder in the way stay as they were.
    const QString readOnly = dir.filePath("old.bmp");
    ASSERT_TRUE(FileSystem::replaceFile(readOnly, "old"));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner));
    error.clear();
    EXPECT_FALSE(CaptureFile::write(image, readOnly, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(FileSystem::readFile(readOnly), QByteArray("old"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
    EXPECT_FALSE(CaptureFile::write(image, dir.filePath("folder.bmp"), &error));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.bmp")).isDir());
    EXPECT_FALSE(CaptureFile::write(QImage(), dir.filePath("null.bmp"), &error));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("null.bmp")));
}

} // namespace
