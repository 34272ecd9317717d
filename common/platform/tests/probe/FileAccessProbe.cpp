// Run by the platform tests as an ordinary user: reports what that user may do with one file.
// Prints "readonly=0|1 read=ok|<why> replace=ok|<why>" after trying to replace the file's
// content with the given text.
#include "common/platform/FileSystem.h"

#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: FileAccessProbe PATH TEXT\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray text(argv[2]);
    const bool readOnly = FileSystem::isReadOnly(path);
    QString readWhy;
    const bool read = FileSystem::readFile(path, &readWhy).has_value();
    QString replaceWhy;
    const bool replaced = FileSystem::replaceFile(path, text, &replaceWhy);
    std::printf("readonly=%d read=%s replace=%s\n", readOnly ? 1 : 0,
                read ? "ok" : readWhy.toLocal8Bit().constData(),
                replaced ? "ok" : replaceWhy.toLocal8Bit().constData());
    return 0;
}
