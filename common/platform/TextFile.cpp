#include "common/platform/TextFile.h"

#include "common/platform/Cp1252.h"
#include "common/platform/FileSystem.h"

namespace TextFile {

std::optional<QStringList> readLines(const QString& path) {
    const std::optional<QByteArray> bytes = FileSystem::readFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return splitLines(Cp1252::decode(*bytes));
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0) {
            end = text.size();
        }
        if (end > start && text.at(end - 1) == u'\r' && next != end) {
            --end;
        }
        lines.append(text.mid(start, end - start));
        start = next;
    }
    return lines;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    qsizetype total = 0;
    for (const QString& line : lines) {
        total += line.size() + 2;
    }
    bytes.reserve(total);
    for (const QString& line : lines) {
        bytes.append(Cp1252::encode(line));
        bytes.append("\r\n");
    }
    return FileSystem::replaceFile(path, bytes, error);
}

} // namespace TextFile
