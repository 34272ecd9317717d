#include "programmer/gamedata/GameData.h"

#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "programmer/gamedata/KeyText.h"
#include "programmer/gamedata/KeyVocabulary.h"
#include "programmer/gamedata/ProgrammerView.h"

#include <array>

namespace {

// Printed button number of records 1..28: the order the game file keeps them in.
constexpr std::array<int, GameData::RecordCount> ButtonOfRecord = {
    1,  2, 3,  4,  28, 11, 17, 10, 23, 16, 22, 5,  27, 12,
    18, 9, 24, 15, 21, 6,  26, 13, 19, 8,  25, 14, 20, 7};

const QString UntitledFile = QStringLiteral("Untitled.gam");

} // namespace

GameData::GameData(ProgrammerView& view, MessageBox& messageBox)
    : ProgramFolder(FileSystem::programFolder()), view_(view), messageBox_(messageBox) {
    SetupButtonIDs();
}

GameData::ModeRecords* GameData::ModeArray(int m) {
    switch (m) {
    case 1:
        return &Mode1;
    case 2:
        return &Mode2;
    case 3:
        return &Mode3;
    case 4:
        return &Mode4;
    case 5:
        return &Mode5;
    default:
        return nullptr;
    }
}

const GameData::ModeRecords* GameData::ModeArray(int m) const {
    return const_cast<GameData*>(this)->ModeArray(m);
}

ButtonRecord* GameData::Record(int m, int r) {
    ModeRecords* mode = ModeArray(m);
    return mode != nullptr ? mode->at(r) : nullptr;
}

const ButtonRecord* GameData::Record(int m, int r) const {
    const ModeRecords* mode = ModeArray(m);
    return mode != nullptr ? mode->at(r) : nullptr;
}

void GameData::SetupButtonArray(int ModeToSetUp) {
    const ButtonRecord blank;
    if (ModeRecords* mode = ModeArray(ModeToSetUp)) {
        mode->fill(blank);
        return;
    }
    switch (ModeToSetUp) {
    case TempButtonArray:
        TempButton.fill(blank);
        break;
    case ClipRecordArray:
        ClipRecord.fill(blank);
        view_.SetPasteEnabled(false);
        break;
    case SwapColumnArray:
        SwapColumnBuffer.fill(blank);
        break;
    case SwapRowArray:
        SwapRowBuffer.fill(blank);
        break;
    default:
        break;
    }
}

void GameData::SetupButtonIDs() {
    for (int r = 1; r <= RecordCount; ++r) {
        const int button = ButtonOfRecord[static_cast<std::size_t>(r - 1)];
        rowOfRecord_.set(r, button);
        recordOfRow_.set(button, r);
    }
}

bool GameData::SetupNewFile() {
    if (SavedStatus == Modified) {
        const int answer = messageBox_.MsgBox(
            QStringLiteral("The current file has been modified but is unsaved. If you continue, "
                           "you will lose any changes you have made. Would you like to save the "
                           "changes made?"),
            MsgStyle::QuestionYesNo, QStringLiteral("Save current file first?"));
        // Only an explicit No discards the changes; a box closed any other way keeps them.
        if (answer != MsgAnswer::No) {
            return false;
        }
    }
    CurrentFilePath.clear();
    CurrentFileTitle = UntitledFile;
    GameName = QStringLiteral("Unknown");
    for (int m = 1; m <= ModeCount; ++m) {
        SetupButtonArray(m);
    }
    ProgrammingInProgress = 0;
    UpdateSavedStatus(NewFile);
    view_.SetStatusPanel(1, QStringLiteral(" Welcome to Tavrin!"));
    view_.SetStatusPanel(3, UntitledFile);
    FileLoaded = 1;
    view_.DisplaySetup(1);
    view_.InfoLabels(1);
    view_.ClearTable();
    view_.ShowModeLamp(0, true);
    ChordStepCount = 0;
    CurrentMode = 1;
    return true;
}

void GameData::UpdateSavedStatus(int NewSavedIndex) {
    SavedStatus = NewSavedIndex;
    switch (NewSavedIndex) {
    case NewFile:
        view_.SetStatusPanel(2, QStringLiteral("New file"));
        break;
    case SavedFile:
        view_.SetStatusPanel(2, QStringLiteral("Saved"));
        view_.SetStatusPanel(3, CurrentFileTitle);
        break;
    case Modified:
        view_.SetStatusPanel(2, QStringLiteral("Modified"));
        break;
    default:
        view_.SetStatusPanel(2, QStringLiteral("Unknown"));
        break;
    }
}

void GameData::GetKeystrings(int MyKey) {
    CurrentKeyCodes = KeyScanCode(MyKey);
}

QString GameData::FindKey(const QString& KeysToFind, int NumScanCodes) {
    return ::FindKey(KeysToFind, NumScanCodes, messageBox_);
}

namespace {

// Passes on the first box and answers the rest itself: a damaged file could otherwise raise
// one modal box per key press, close to two thousand of them.
class FirstBoxOnly : public MessageBox {
public:
    explicit FirstBoxOnly(MessageBox& target) : target_(target) {}
    int MsgBox(const QString& text, int style, const QString& title) override {
        if (shown_) {
            return MsgAnswer::Ok;
        }
        shown_ = true;
        return target_.MsgBox(text, style, title);
    }

private:
    MessageBox& target_;
    bool shown_ = false;
};

} // namespace

void GameData::CreateKeyPressesARRAY() {
    FirstBoxOnly box(messageBox_);
    for (int m = 1; m <= ModeCount; ++m) {
        for (ButtonRecord& record : *ModeArray(m)) {
            record.KeyText = KeyTextOf(record, box);
        }
    }
}
