#pragma once

#include <QByteArray>

class QTextCursor;
class QTextDocument;

// Rich Text Format, read into and written from a QTextDocument.
namespace Rtf {

// True when the data starts (after blanks) with an RTF group "{\rtf".
bool isRtf(const QByteArray& data);

// Reads an RTF document, as a file is loaded, at the cursor: the paragraph mark of the last
// paragraph closes it rather than opening an empty one. Never fails: whatever the input, the
// cursor's document gets the text that could be read.
void read(const QByteArray& rtf, QTextCursor& cursor);

// Inserts an RTF document into text at the cursor (a paste): every paragraph mark, the last
// one included, breaks the text there.
void insert(const QByteArray& rtf, QTextCursor& cursor);

// The whole document as an RTF file, every paragraph ended by its mark.
QByteArray write(const QTextDocument& document);

// The part [from, to) of the document (document positions; to -1 means the end) as an RTF
// document, for a selection: a paragraph mark only where the part holds the paragraph's end.
QByteArray write(const QTextDocument& document, int from, int to);

} // namespace Rtf
