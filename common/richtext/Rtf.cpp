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

void read(const QByteArray& rtf, QTextCursor& cursor) {
    if (cursor.isNull()) {
        return;
    }
    RtfReader reader(cursor);
    reader.read(std::string_view(rtf.constData(), static_cast<std::size_t>(rtf.size())));
}

QByteArray write(const QTextDocument& document, int from, int to) {
    RtfWriter writer(document);
    return writer.write(from, to);
}

} // namespace Rtf
