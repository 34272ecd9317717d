#include "common/richtext/Rtf.h"

#include "common/platform/Cp1252.h"

#include <QTextCursor>
#include <QTextDocument>

// Placeholder until the real reader and writer land: plain text only.
namespace Rtf {

bool isRtf(const QByteArray& data) { return data.trimmed().startsWith("{\\rtf"); }

void read(const QByteArray& rtf, QTextCursor& cursor) { cursor.insertText(Cp1252::decode(rtf)); }

QByteArray write(const QTextDocument& document, int from, int to) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(from);
    cursor.setPosition(to < 0 ? document.characterCount() - 1 : to, QTextCursor::KeepAnchor);
    return "{\\rtf1\\ansi " + Cp1252::encode(cursor.selectedText()) + "}";
}

} // namespace Rtf
