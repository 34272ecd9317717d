#pragma once

#include <QString>

// What Tavrin remembers between runs, kept in "Tavrin.ini" in the program folder, section
// "Main options". A settings file that is missing, unreadable or not writable is never an
// error: the defaults hold, or the file stays as it was.
struct ProgrammerSettings {
    static inline const QString FileName = QStringLiteral("Tavrin.ini");
    static inline const QString Section = QStringLiteral("Main options");

    QString Lastfolder;  // folder of the last game file, ending in a separator
    QString LastGamPath; // "" for none
    QString LastGamName;
    QString LastTextfolder;   // folder of the last key-assignment document
    QString LastTextFilePath; // "" for none
    QString LastTextFileName;
    int AlwaysChorded = 1; // 1: a modifier key always starts a chord; 0: ask each time

    // programFolder joined with "Tavrin.ini".
    static QString FilePath(const QString& programFolder);

    // Reads the seven keys; a missing or empty Lastfolder is the program folder, a missing or
    // empty LastTextfolder is Lastfolder.
    void Read(const QString& programFolder);

    // Writes the seven keys in their fixed order, each on its own; every other line of the file
    // stays. False when a write failed (the rest are then not tried).
    bool Write(const QString& programFolder) const;

    // The folder part of path, ending in its separator; "" when path has none.
    static QString FolderOf(const QString& path);
};
