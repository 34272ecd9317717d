// Reading and writing the open game file, and the settings that remember it.
#include "programmer/gamedata/GameData.h"

#include "common/dialogs/CommonDialog.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/platform/TextFile.h"
#include "programmer/gamedata/GameFile.h"
#include "programmer/gamedata/ProgrammerView.h"

void GameData::AssumeChordedKeys(bool checked) {
    Settings.AlwaysChorded = checked ? 1 : 0;
    WriteIniSettings();
}

bool GameData::SaveGAMfile() {
    if (GameName.size() < 2) {
        GameName = QStringLiteral("Unknown");
    }
    QString error;
    if (!FileSystem::replaceFile(SavePath, GameFile::Bytes(GameName, *this), &error)) {
        messageBox_.MsgBox(SaveTitle +
                               QStringLiteral(" was not saved correctly. Tavrin error message "
                                              "follows: ") +
                               error + QLatin1Char('.'),
                           MsgStyle::Critical,
                           QStringLiteral("Problem: The gam file wasn't saved"));
        SaveSucceeded = 0;
        return false;
    }
    CurrentFilePath = SavePath;
    CurrentFileTitle = SaveTitle;
    RememberGamFile();
    UpdateSavedStatus(SavedFile);
    SaveSucceeded = 1;
    return true;
}

void GameData::RememberGamFile() {
    Settings.LastGamPath = CurrentFilePath;
    Settings.LastGamName = CurrentFileTitle;
    // The folder comes from the path itself: the title may carry an extension the path lacks.
    Settings.Lastfolder = ProgrammerSettings::FolderOf(CurrentFilePath);
    WriteIniSettings();
}

bool GameData::OpenGamFile(CommonDialog& dialog) {
    view_.SetStatusPanel(1, QStringLiteral("Opening Brelkin game file"));
    QString path;
    QString title;
    if (ReopenLastGamFile == 1) {
        path = Settings.LastGamPath;
        title = Settings.LastGamName;
    } else {
        if (!Settings.Lastfolder.isEmpty() && FileSystem::folderExists(Settings.Lastfolder)) {
            dialog.InitDir = Settings.Lastfolder;
        }
        dialog.Filter = QStringLiteral("Brelkin game file (*.gam)|*.gam");
        // The dialog is shared with Save As and the document commands, whose title, name and
        // extension would otherwise carry over to this one.
        dialog.DialogTitle.clear();
        dialog.FileName.clear();
        dialog.DefaultExt.clear();
        if (!dialog.ShowOpen()) {
            view_.SetStatusPanel(1, QStringLiteral("Welcome to Tavrin"));
            return false;
        }
        path = dialog.FileName;
        title = dialog.FileTitle;
    }
    ReopenLastGamFile = 0;

    // The file is read before anything changes: one that cannot be read leaves the open game,
    // its status and the settings as they were.
    QString why;
    const std::optional<QByteArray> bytes = FileSystem::readFile(path, &why);
    if (!bytes) {
        messageBox_.MsgBox(QStringLiteral("I couldn't read the game file ") + path +
                               QStringLiteral(", so I've left everything as it was. The system "
                                              "says: ") +
                               why + QLatin1Char('.'),
                           MsgStyle::Exclamation, QStringLiteral("Can't read the game file"));
        view_.SetStatusPanel(1, QStringLiteral(" ") + title + QStringLiteral(" was not opened."));
        return false;
    }
    CurrentFilePath = path;
    CurrentFileTitle = title;
    RememberGamFile();
    FileSystem::ChangeToDriveRoot(CurrentFilePath);

    for (int m = 1; m <= ModeCount; ++m) {
        SetupButtonArray(m);
    }
    // A short file blanks what it lacks.
    view_.SetStatusPanel(1, QStringLiteral(" Extracting definitions from ") + CurrentFileTitle +
                                QStringLiteral(" ...."));
    const QString text = TextFile::decode(*bytes);
    GameFile::Read(TextFile::splitLineViews(text), *this);

    view_.SetStatusPanel(1, QStringLiteral(" Ready"));
    view_.SetStatusPanel(2, QStringLiteral("Saved"));
    view_.SetStatusPanel(3, CurrentFileTitle);
    UpdateSavedStatus(SavedFile);
    FileLoaded = 1;
    view_.InfoLabels(1);
    view_.DisplaySetup(1);
    CreateKeyPressesARRAY();
    view_.ResetTable(1);
    view_.LblMODE_Click(0);
    view_.FillTable(TableViewMode);
    memoryUsed();
    return true;
}
