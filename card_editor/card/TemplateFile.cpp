#include "card_editor/card/TemplateFile.h"

#include "common/platform/Cp1252.h"
#include "common/platform/TextFile.h"

#include <QStringDecoder>

namespace TemplateFile {

namespace {

// The line from start up to its end, without the end; next is where the following line starts,
// or -1 when this one was the last.
QByteArrayView lineAt(QByteArrayView bytes, qsizetype start, qsizetype& next) {
    qsizetype end = bytes.indexOf('\n', start);
    if (end < 0) {
        next = -1;
        end = bytes.size();
    } else {
        next = end + 1;
    }
    QByteArrayView line = bytes.sliced(start, end - start);
    if (line.endsWith('\r')) {
        line.chop(1);
    }
    return line;
}

QString pathOfLine(QByteArrayView line, bool utf8) {
    // A byte-order mark inside the file is a character of the path, not a mark to drop.
    QString text =
        utf8 ? QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)(line)
             : Cp1252::decode(line.toByteArray());
    // A carriage return ends the line too: no path holds one.
    if (const qsizetype cr = text.indexOf(u'\r'); cr >= 0) {
        text.truncate(cr);
    }
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t')) {
        ++start;
    }
    return text.mid(start);
}

} // namespace

Read read(QByteArrayView bytes) {
    Read result;
    bool utf8 = false;
    bytes = LayoutFile::withoutByteOrderMark(bytes, &utf8);
    qsizetype next = 0;
    const QByteArrayView firstLine = lineAt(bytes, 0, next);
    LayoutFile::NumberReader first(firstLine);
    LayoutFile::readPicture(first, result.layout);
    if (result.layout.pictureVisible) {
        // A template shows its picture for the flag 1 only.
        LayoutFile::NumberReader again(firstLine);
        for (int i = 0; i < 4; ++i) {
            again.next();
        }
        result.layout.pictureVisible = again.next() == 1;
    }
    if (next < 0) {
        return result;
    }
    result.imagePath = pathOfLine(lineAt(bytes, next, next), utf8);
    if (next < 0) {
        return result;
    }
    LayoutFile::NumberReader boxes(bytes.sliced(next));
    LayoutFile::readBoxes(boxes, result.layout);
    return result;
}

std::optional<QByteArray> bytes(const CardLayout& layout, const QString& imagePath) {
    if (imagePath.contains(u'\n') || imagePath.contains(u'\r')) {
        return std::nullopt;
    }
    QStringList lines = LayoutFile::lines(layout);
    lines.insert(1, imagePath);
    return TextFile::encodeLines(lines, TextFile::Encoding::Utf8WhenNeeded);
}

} // namespace TemplateFile
