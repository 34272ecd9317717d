#pragma once

#include "programmer/gamedata/ButtonRecord.h"
#include "programmer/gamedata/OneBased.h"
#include "programmer/gamedata/ProgrammerSettings.h"
#include "programmer/gamedata/RecordRequests.h"

#include <QString>

class CommonDialog;
class MessageBox;
class ProgrammerView;

// The one game file Tavrin holds in memory, with the program-level state around it. Records,
// modes and key presses keep their 1-based numbers; every access is checked.
class GameData {
public:
    static constexpr int RecordCount = 28;
    static constexpr int ModeCount = 5;

    using ModeRecords = OneBased<ButtonRecord, RecordCount>;

    // Arguments of SetupButtonArray.
    enum ArrayId {
        TempButtonArray = 6,
        ClipRecordArray = 7,
        SwapColumnArray = 8,
        SwapRowArray = 9
    };

    // Values of SavedStatus.
    enum Saved { NewFile = 0, SavedFile = 1, Modified = 2 };

    GameData(ProgrammerView& view, MessageBox& messageBox);
    GameData(const GameData&) = delete;
    GameData& operator=(const GameData&) = delete;

    // Programming of modes 1..5, records 1..28.
    ModeRecords Mode1, Mode2, Mode3, Mode4, Mode5;
    OneBased<ButtonRecord, 1> TempButton; // edit record of the programming tab
    OneBased<ButtonRecord, 1> ClipRecord; // one-record clipboard, also the single swap's buffer
    OneBased<ButtonRecord, RecordCount> SwapColumnBuffer;
    OneBased<ButtonRecord, ModeCount> SwapRowBuffer;

    // Mode array m (1..5), or nullptr for any other m.
    ModeRecords* ModeArray(int m);
    const ModeRecords* ModeArray(int m) const;
    // Record r of mode m, or nullptr when either is out of range.
    ButtonRecord* Record(int m, int r);
    const ButtonRecord* Record(int m, int r) const;

    // State of the open game file.
    QString GameName = QStringLiteral("Unknown");
    QString CurrentFilePath;
    QString CurrentFileTitle = QStringLiteral("Untitled.gam");
    int SavedStatus = NewFile;
    int FileLoaded = 0;
    int ProgrammingInProgress = 0;
    int ChordStepCount = 0;
    int CurrentMode = 1;
    QString CurrentKeyCodes;   // scan codes of the on-screen key just clicked
    int GraphicalViewMode = 0; // view options of the picture and the table; never stored
    int TableViewMode = 0;

    // Settings kept in "Tavrin.ini" in ProgramFolder (the executable's folder unless a test
    // points it elsewhere).
    ProgrammerSettings Settings;
    QString ProgramFolder;

    void ReadIniSettings() { Settings.Read(ProgramFolder); }
    // Failures are not reported: the file then stays as it was.
    void WriteIniSettings() { Settings.Write(ProgramFolder); }
    // The settings half of "Assume &Chorded keys": stores the item's new check mark.
    void AssumeChordedKeys(bool checked);

    // Game file. SaveGAMfile writes SavePath (file name SaveTitle) and sets SaveSucceeded;
    // a failure is shown to the user and leaves the file on disk, the names, the settings and
    // the saved status as they were.
    QString SavePath;
    QString SaveTitle;
    int SaveSucceeded = 0;
    bool SaveGAMfile();

    // Reads the game file the user picks in dialog, or the last one without a dialog when
    // ReopenLastGamFile is 1, then refreshes every view. False when the dialog was cancelled or
    // the file could not be read (shown to the user); nothing has changed then.
    int ReopenLastGamFile = 0;
    bool OpenGamFile(CommonDialog& dialog);

    // Re-creates one array with blank records: 1..5 the modes, then the ArrayId values. Any
    // other value does nothing. Resetting the clipboard also disables "&Paste".
    void SetupButtonArray(int ModeToSetUp);

    // Record operations of the table's pop-up menu; each takes the selected cells. A change of
    // records refreshes the views and marks the file modified. Cut and Copy take the first cell
    // and do nothing when it is not a data cell; Paste and Delete pass over the cells outside
    // the data and do nothing when none is left.
    void CutRecord(const CellRectangle& selection);
    void CopyRecord(const CellRectangle& selection);
    void PasteRecords(const CellRectangle& selection);
    void DeleteRecords(const CellRectangle& selection);
    // The request of the swap dialog, and the swap it asks for. A request the dialog cannot
    // make (a number out of range, an unknown style) changes nothing.
    SwapRequest Swap;
    void SwapRecords();
    // The digit keys 1 to 0 into ten buttons of CurrentMode: Index 0 vertically, 1
    // horizontally.
    void InsertDigits(int Index);

    // Fills the two button-number tables (the constructor already does).
    void SetupButtonIDs();
    // Printed button number of record r, and the record of printed button b; 0 out of 1..28.
    int RowOfRecord(int r) const { return rowOfRecord_.value(r, 0); }
    int RecordOfRow(int b) const { return recordOfRow_.value(b, 0); }

    // Makes an empty game file the open one. Asks first when the open file is modified; returns
    // false when the user keeps it (nothing changed).
    bool SetupNewFile();

    // Sets SavedStatus and status panel 2; a saved file also refreshes panel 3.
    void UpdateSavedStatus(int NewSavedIndex);

    // Called after a game file is read; the memory-used display stays hidden, so nothing changes.
    void memoryUsed() const {}

    // CurrentKeyCodes := scan codes of on-screen key MyKey ("FF" for no key).
    void GetKeystrings(int MyKey);

    // Readable names of one key press; reports a mismatch through the message box.
    QString FindKey(const QString& KeysToFind, int NumScanCodes);

    // Rebuilds KeyText of every record of the five modes from its code bytes.
    void CreateKeyPressesARRAY();

    ProgrammerView& view() { return view_; }
    MessageBox& messageBox() { return messageBox_; }

private:
    // Last game file and its folder := the open one; writes the settings file.
    void RememberGamFile();

    ProgrammerView& view_;
    MessageBox& messageBox_;
    OneBased<int, RecordCount> rowOfRecord_;
    OneBased<int, RecordCount> recordOfRow_;
};
