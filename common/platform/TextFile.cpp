#include "common/platform/TextFile.h"

#include "common/platform/Cp1252.h"
#include "common/platform/FileSystem.h"

#include <algorithm>

namespace TextFile {

std::optional<QStringList> readLines(const QString& path) {
    const std::optional<QByteArray> bytes = FileSystem::readFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return splitLines(decode(*bytes));
}

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith(Utf8Bom)) {
        return QString::fromUtf8(bytes.constData() + Utf8Bom.size(), bytes.size() - Utf8Bom.size());
    }
    return Cp1252::decode(bytes);
}

QStringList splitLines(const QString& text) {
    const QList<QStringView> views = splitLineViews(text);
    QStringList lines;
    lines.reserve(views.size());
    for (const QStringView line : views) {
        lines.append(line.toString());
    }
    return lines;
}

QList<QStringView> splitLineViews(QStringView text) {
    QList<QStringView> lines;
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
        lines.append(text.sliced(start, end - start));
        start = next;
    }
    return lines;
}

QByteArray encodeLines(const QStringList& lines, Encoding encoding) {
    const bool utf8 = encoding == Encoding::Utf8WhenNeeded &&
                      !std::all_of(lines.begin(), lines.end(),
                                   [](const QString& line) { return Cp1252::canEncode(line); });
    QByteArray bytes;
    qsizetype total = utf8 ? Utf8Bom.size() : 0;
    for (const QString& line : lines) {
        total += line.size() * (utf8 ? 3 : 1) + 2;
    }
    bytes.reserve(total);
    if (utf8) {
        bytes.append(Utf8Bom);
    }
    for (const QString& line : lines) {
        if (utf8) {
            bytes.append(line.toUtf8());
        } else {
            Cp1252::appendEncoded(bytes, line);
        }
        bytes.append("\r\n");
    }
    return bytes;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error, Encoding encoding) {
    return FileSystem::replaceFile(path, encodeLines(lines, encoding), error);
}

} // namespace TextFile
