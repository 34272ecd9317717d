#pragma once

#include <QByteArray>
#include <QString>

class QMimeData;

// The two clipboard flavours of rich text: RTF and plain text.
namespace RichTextClipboard {

// Mime data offering both flavours.
QMimeData* mimeData(const QByteArray& rtf, const QString& plainText);

// The RTF the data offers, empty when it offers none.
QByteArray rtf(const QMimeData& source);

} // namespace RichTextClipboard
