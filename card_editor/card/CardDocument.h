#pragma once

#include "card_editor/card/ButtonCaptions.h"

#include <QString>
#include <QStringList>
#include <array>

// Number of text styles: 1 to 5 for the modes, 6 for the title box.
constexpr int StyleCount = 6;
constexpr int TitleStyle = 6;

// BottomRow value that puts no mode in the lowest row.
constexpr int NoBottomRowMode = 5;

// Quillet's program-level state: the card model and the settings, owned for the whole run by
// the main window and handed to the card procedures.
struct CardDocument {
    // Folder of the program, where "Quillet.ini", "Default.txt" and "Restore.txt" live.
    QString programFolder;

    // [FileLocations]
    QString GamDefaultDirectory;
    QString TemplatesDirectory;
    QString BitmapPath;
    QString ImagesDirectory;

    // [Styles], indexed 1 to 6; element 0 is not used.
    std::array<QString, StyleCount + 1> StyleFontName;
    std::array<qint16, StyleCount + 1> StyleFontSize{};
    std::array<qint16, StyleCount + 1> StyleFontBold{};
    std::array<qint16, StyleCount + 1> StyleFontUnderline{};
    std::array<qint16, StyleCount + 1> StyleFontItalic{};
    std::array<qint32, StyleCount + 1> StyleFontColour{};

    // [Miscellaneous]: the mode shown in the lowest row, 0 to 4, or 5 for none.
    qint16 BottomRow = 4;

    // The game file read last.
    QString GameName;
    ButtonCaptions captions;

    // Opening files.
    QString OpenFileName;
    QString CurrentFile;
    QString PendingFile;
    qint16 OpenPending = 0;

    // Recent files.
    qint16 RecentMax = 30;
    QStringList RecentFiles;
    qint16 AutoLoadRecent = 0;

    // The movable picture: "none" when there is none.
    QString ImagePath = QStringLiteral("none");
    // The picture's rectangle as handed to and from the picture-size dialog.
    qint16 ImageTop = 0;
    qint16 ImageLeft = 0;
    qint16 ImageWidth = 0;
    qint16 ImageHeight = 0;

    // Last values applied through the box-size dialog; -1 before any.
    qint16 TBLastTop = -1;
    qint16 TBLastLeft = -1;
    qint16 TBLastWidth = -1;
    qint16 TBLastHeight = -1;
    // The rectangle handed to the box-size dialog and back.
    qint16 TBTop = 0;
    qint16 TBLeft = 0;
    qint16 TBWidth = 0;
    qint16 TBHeight = 0;

    QString TemplateName;

    // The preferences' exchange with the main window: set when a style's font or colour was
    // accepted, and the lowest-row mode before the dialog opened.
    qint16 StylesChanged = 0;
    qint16 OldBottomRow = 4;

    // The grid step handed to the grid-size dialog and back.
    qint16 NewGridCellSize = 5;

    QString iniPath() const;
};
