// Reading and writing the open game file, and the settings that remember it.
#include "programmer/gamedata/GameData.h"

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
    if (!TextFile::writeLines(SavePath, GameFile::Lines(GameName, *this), &error)) {
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
