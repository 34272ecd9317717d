#pragma once

#include <QString>

class QTextDocument;

namespace Rtf {

// The text of a document and the formatting RTF keeps (font, size, bold, italic, underline,
// strike-through, colour, alignment) as readable text, one line a paragraph: two documents
// with the same summary read and write alike.
QString summary(const QTextDocument& document);

} // namespace Rtf
