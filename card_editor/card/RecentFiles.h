#pragma once

struct CardDocument;

// The [Previous Files] section of "Quillet.ini": the files opened or saved most recently,
// the most recent first, and whether the first one is opened at start.
namespace RecentFiles {

// More entries than this in a hand-edited file are not read: the menu would be unusable.
constexpr int LoadLimit = 999;

// Reads the count, the paths as stored and AutoLoadRecent into the document.
void LoadRecentFiles(CardDocument& doc);

} // namespace RecentFiles
