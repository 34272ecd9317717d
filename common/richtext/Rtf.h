#pragma once

#include <QByteArray>

class QTextCursor;
class QTextDocument;

// Rich Text Format, read into and written from a QTextDocument.
namespace Rtf {

// True when the data starts (after blanks) with an RTF group "{\rtf".
bool isRtf(const QByteArray& data);

// Inserts what can be read of an RTF document at the cursor. Never fails: whatever the input,
// the cursor's document gets the text that could be read.
void read(const QByteArray& rtf, QTextCursor& cursor);

// The part [from, to) of the document (document positions; to -1 means the end) as an RTF
// document.
QByteArray write(const QTextDocument& document, int from = 0, int to = -1);

} // namespace Rtf
