#include "common/richtext/Rtf.h"

#include "common/richtext/RtfReader.h"
#include "common/richtext/RtfWriter.h"

#include <QTextCursor>
#include <QTextDocument>

namespace Rtf {

bool isRtf(const QByteArray& data) {
    qsizetype start = 0;
    while (start < data.size() && (data.at(start) == ' ' || data.at(start) == '\t' ||
                                   data.at(start) == '\r' || data.at(start) == '\n')) {
        ++start;
    }
    return QByteArrayView(data).sliced(start).startsWith("{\\rtf");
}

namespace {

void readAt(const QByteArray& rtf, QTextCursor& cursor, RtfReader::LastMark lastMark) {
    if (cursor.isNull()) {
        return;
    }
    RtfReader reader(cursor, lastMark);
    reader.read(std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())));
}

} // namespace

void read(const QByteArray& rtf, QTextCursor& cursor) {
    readAt(rtf, cursor, RtfReader::LastMark::ClosesParagraph);
}

void insert(const QByteArray& rtf, QTextCursor& cursor) {
    readAt(rtf, cursor, RtfReader::LastMark::StartsParagraph);
}

QByteArray write(const QTextDocument& document) {
    RtfWriter writer(document, RtfWriter::LastMark::Written);
    return writer.write(0, -1);
}

QByteArray write(const QTextDocument& document, int from, int to) {
    RtfWriter writer(document, RtfWriter::LastMark::Omitted);
    return writer.write(from, to);
}

} // namespace Rtf
