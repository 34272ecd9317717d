#pragma once

#include <QString>

struct CardDocument;

// The [Previous Files] section of "Quillet.ini": the files opened or saved most recently,
// the most recent first, and whether the first one is opened at start.
namespace RecentFiles {

// More entries than this in a hand-edited file are not read: the menu would be unusable.
constexpr int LoadLimit = 999;
// Room for the longest path a file system hands out, so that every path comes back whole.
constexpr int PathBuffer = 32768;

// Reads the count, the paths as stored and AutoLoadRecent into the document.
void LoadRecentFiles(CardDocument& doc);

// Whether the path is in the list, compared exactly.
bool IsRecentFile(const CardDocument& doc, const QString& path);

// Puts doc.CurrentFile, in the case paths are stored in, at the top of the list: an entry
// already listed moves up, the others keep their order; a full list (RecentMax) drops its
// last entry. The section is then written; a failed write is not reported. A path the
// settings file cannot hold (one with a line break) is not listed.
void AddToRecentFiles(CardDocument& doc);

// Empties the list, switches auto-loading off and writes the section, each former path key
// kept with an empty value.
void ClearRecentFiles(CardDocument& doc);

// Writes AutoLoadRecent.
void SaveAutoLoad(const CardDocument& doc);

} // namespace RecentFiles
