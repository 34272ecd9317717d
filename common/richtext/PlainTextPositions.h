#pragma once

#include <QString>

class QTextDocument;

// Positions in a document's plain text, where every line break (between paragraphs, or a
// forced line break inside one) counts as the two characters CR LF. Document positions count
// each break as one character; these functions translate between the two.
namespace PlainTextPositions {

// Characters of the plain text.
int length(const QTextDocument& document);

// The plain-text index of a document position (clamped to the document).
int fromDocument(const QTextDocument& document, int position);

// The document position of a plain-text index (clamped); an index between the CR and the LF
// of a break means the position before the break.
int toDocument(const QTextDocument& document, int index);

// The plain text of the document positions [from, to), breaks written as CR LF.
QString text(const QTextDocument& document, int from, int to);

} // namespace PlainTextPositions
