#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of both programs: one Windows-1252 byte per character, lines written with CR LF
// and read with CR LF or LF. A file that starts with the UTF-8 byte-order mark is read as
// UTF-8.
namespace TextFile {

// The UTF-8 byte-order mark that starts a UTF-8 text file.
inline const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// How writeLines stores characters.
enum class Encoding {
    Windows1252,   // characters outside Windows-1252 become "?"
    Utf8WhenNeeded // Windows-1252 while every character fits, else UTF-8 with a byte-order mark
};

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
