#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Text files of both programs: one Windows-1252 byte per character, lines written with CR LF
// and read with CR LF or LF.
namespace TextFile {

// The lines of the file, without their line ends; nullopt when it cannot be opened.
std::optional<QStringList> readLines(const QString& path);

// The lines split as readLines splits them, for text already in memory.
QStringList splitLines(const QString& text);

// Replaces the file only when everything was written (temporary file and rename); false on
// any failure, the old file then untouched, and error (when given) says why. Characters
// outside Windows-1252 become "?".
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

} // namespace TextFile
