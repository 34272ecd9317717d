#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of both programs: one Windows-1252 byte per character, lines written with CR LF
// and read with CR LF or LF. A file that starts with the UTF-8 byte-order mark is read as
// UTF-8. Plain-text documents are also read as UTF-8 without a mark, or as UTF-16 after its
// mark, and written back in the encoding they were read in.
namespace TextFile {

// The UTF-8 byte-order mark that starts a UTF-8 text file.
inline const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// How characters are stored.
enum class Encoding {
    Windows1252,    // characters outside Windows-1252 become "?"
    Utf8WhenNeeded, // Windows-1252 while every character fits, else UTF-8 with a byte-order mark
    Utf8,           // UTF-8 without a byte-order mark
    Utf8WithBom,    // UTF-8 after a byte-order mark
    Utf16Le,        // UTF-16 little endian after its byte-order mark (FF FE)
    Utf16Be         // UTF-16 big endian after its byte-order mark (FE FF)
};

// A plain-text document's text and the encoding that writes it back as it was read.
struct Document {
    QString text;
    Encoding encoding = Encoding::Utf8WhenNeeded;
};

// UTF-16 after either of its byte-order marks (Utf16Le, Utf16Be; a last odd byte becomes
// U+FFFD), UTF-8 after a byte-order mark (Utf8WithBom), or when the bytes above 127 are all
// valid UTF-8 (Utf8); any other bytes, plain ASCII included, are Windows-1252 (Utf8WhenNeeded).
// Text and encoding give the same bytes back, except where a UTF-8 byte-order mark is followed
// by bytes that are no UTF-8, or UTF-16 has an odd number of bytes.
Document decodeDocument(const QByteArray& bytes);

// The bytes of text in an encoding, no line end added.
QByteArray encode(QStringView text, Encoding encoding);

// The lines of the file, without their line ends; nullopt when it cannot be opened.
std::optional<QStringList> readLines(const QString& path);

// The text of a file's bytes: UTF-8 after a byte-order mark (which is dropped), else
// Windows-1252.
QString decode(const QByteArray& bytes);

// The lines split as readLines splits them, for text already in memory.
QStringList splitLines(const QString& text);

// The same lines as views into text, which must outlive them: no copy of each line.
QList<QStringView> splitLineViews(QStringView text);

// The bytes writeLines stores: each line followed by CR LF.
QByteArray encodeLines(const QStringList& lines, Encoding encoding = Encoding::Windows1252);

// Replaces the file only when everything was written (temporary file and rename); false on
// any failure, the old file then untouched, and error (when given) says why.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr,
                Encoding encoding = Encoding::Windows1252);

} // namespace TextFile
