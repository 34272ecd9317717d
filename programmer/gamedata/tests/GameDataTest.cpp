#include "programmer/gamedata/GameData.h"
#include "programmer/gamedata/tests/GameDataFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace {

class GameDataTest : public GameDataFixture {
protected:
    // Every used element of every array, in a fixed order: modes 1..5 (28 each), the edit
    // record, the clipboard, the column buffer (28) and the row buffer (5).
    std::vector<ButtonRecord*> AllRecords() {
        std::vector<ButtonRecord*> all;
        auto add = [&all](auto& array) {
            for (ButtonRecord& r : array) {
                all.push_back(&r);
            }
        };
        for (int m = 1; m <= 5; ++m) {
            add(*data.ModeArray(m));
        }
        add(data.TempButton);
        add(data.ClipRecord);
        add(data.SwapColumnBuffer);
        add(data.SwapRowBuffer);
        return all;
    }

    // Gives every record a content of its own, so that a reset shows.
    void ProgramEverything() {
        int n = 0;
        for (ButtonRecord* r : AllRecords()) {
            r->Description = QString("rec %1").arg(++n);
            r->NumKeyPresses = 1;
            r->setKeyPressLen(1, 1);
            r->setKeyCodeByte(1, "1C");
        }
    }

    std::vector<ButtonRecord> Take() {
        std::vector<ButtonRecord> copy;
        for (ButtonRecord* r : AllRecords()) {
            copy.push_back(*r);
        }
        return copy;
    }
};

// The printed button number of records 1..28, as on the controller.
constexpr std::array<int, 28> PrintedButton = {1,  2,  3,  4,  28, 11, 17, 10, 23, 16,
                                               22, 5,  27, 12, 18, 9,  24, 15, 21, 6,
                                               26, 13, 19, 8,  25, 14, 20, 7};
// The record of printed buttons 1..28.
constexpr std::array<int, 28> RecordOfButton = {1,  2,  3,  4,  12, 20, 28, 24, 16, 8,
                                                6,  14, 22, 26, 18, 10, 7,  15, 23, 27,
                                                19, 11, 9,  17, 25, 21, 13, 5};

TEST_F(GameDataTest, ButtonNumberTablesMatchTheControllerAndAreInverse) {
    for (int i = 1; i <= 28; ++i) {
        EXPECT_EQ(data.RowOfRecord(i), PrintedButton[i - 1]) << "record " << i;
        EXPECT_EQ(data.RecordOfRow(i), RecordOfButton[i - 1]) << "button " << i;
        EXPECT_EQ(data.RecordOfRow(data.RowOfRecord(i)), i);
        EXPECT_EQ(data.RowOfRecord(data.RecordOfRow(i)), i);
    }
    EXPECT_EQ(data.RowOfRecord(5), 28);
    EXPECT_EQ(data.RecordOfRow(5), 12);
    for (int bad : {0, -1, 29}) {
        EXPECT_EQ(data.RowOfRecord(bad), 0);
        EXPECT_EQ(data.RecordOfRow(bad), 0);
    }
    data.SetupButtonIDs(); // running it again changes nothing
    EXPECT_EQ(data.RecordOfRow(28), 5);
}

TEST_F(GameDataTest, ModesAreAddressedByNumberAndOutOfRangeGivesNothing) {
    EXPECT_EQ(data.ModeArray(1), &data.Mode1);
    EXPECT_EQ(data.ModeArray(3), &data.Mode3);
    EXPECT_EQ(data.ModeArray(5), &data.Mode5);
    EXPECT_EQ(data.ModeArray(0), nullptr);
    EXPECT_EQ(data.ModeArray(6), nullptr);
    EXPECT_EQ(data.Record(4, 28), data.Mode4.at(28));
    EXPECT_EQ(data.Record(4, 29), nullptr);
    EXPECT_EQ(data.Record(4, 0), nullptr);
    EXPECT_EQ(data.Record(0, 1), nullptr);
    const GameData& constData = data;
    EXPECT_EQ(constData.Record(2, 1), data.Mode2.at(1));
    EXPECT_EQ(data.Mode1.value(29).Description, "");
    EXPECT_FALSE(data.Mode1.set(29, ButtonRecord{}));
}

TEST_F(GameDataTest, SetupButtonArrayBlanksExactlyTheArrayAsked) {
    // Where each array lies in AllRecords().
    const struct {
        int id, first, count;
    } arrays[] = {{1, 0, 28},  {2, 28, 28}, {3, 56, 28},  {4, 84, 28}, {5, 112, 28},
                  {6, 140, 1}, {7, 141, 1}, {8, 142, 28}, {9, 170, 5}};
    for (const auto& a : arrays) {
        ProgramEverything();
        std::vector<ButtonRecord> expected = Take();
        std::fill_n(expected.begin() + a.first, a.count, ButtonRecord{});
        view.calls.clear();
        data.SetupButtonArray(a.id);
        EXPECT_TRUE(Take() == expected) << "array " << a.id;
        EXPECT_EQ(view.calls, a.id == 7 ? QStringList{"paste off"} : QStringList{}) << a.id;
    }
}

TEST_F(GameDataTest, SetupButtonArrayIgnoresUnknownArrays) {
    ProgramEverything();
    const std::vector<ButtonRecord> before = Take();
    for (int id : {0, 10, -1, 255}) {
        data.SetupButtonArray(id);
    }
    EXPECT_TRUE(Take() == before);
    EXPECT_TRUE(view.calls.isEmpty());
}

TEST_F(GameDataTest, UpdateSavedStatusShowsTheStatusAndOnSaveTheFileName) {
    const struct {
        int index;
        QString panel2;
        bool setsPanel3;
    } cases[] = {{0, "New file", false},
                 {1, "Saved", true},
                 {2, "Modified", false},
                 {3, "Unknown", false},
                 {-1, "Unknown", false}};
    data.CurrentFileTitle = "Falcon.gam";
    for (const auto& c : cases) {
        view.calls.clear();
        view.panels[3] = "old";
        data.UpdateSavedStatus(c.index);
        EXPECT_EQ(data.SavedStatus, c.index);
        EXPECT_EQ(view.panels[2], c.panel2) << c.index;
        EXPECT_EQ(view.panels[3], c.setsPanel3 ? "Falcon.gam" : "old") << c.index;
    }
}

// The open file's state, as one comparable value.
auto FileState(const GameData& d) {
    return std::make_tuple(d.GameName, d.CurrentFilePath, d.CurrentFileTitle, d.SavedStatus,
                           d.FileLoaded, d.ProgrammingInProgress, d.ChordStepCount, d.CurrentMode);
}

TEST_F(GameDataTest, NewFileForEachSavedStatusAndAnswer) {
    constexpr int NotAsked = 0;
    const struct {
        int status, answer;
        bool goesOn;
    } cases[] = {{0, NotAsked, true},
                 {1, NotAsked, true},
                 {2, MsgAnswer::No, true},
                 {2, MsgAnswer::Yes, false},
                 {2, MsgAnswer::Cancel, false}}; // a box closed otherwise keeps the changes
    const QStringList newFileCalls = {"panel 2: New file",
                                      "panel 1:  Welcome to Tavrin!",
                                      "panel 3: Untitled.gam",
                                      "DisplaySetup 1",
                                      "InfoLabels 1",
                                      "ClearTable",
                                      "lamp 0 on"};
    for (const auto& c : cases) {
        ProgramEverything();
        data.GameName = "Falcon 4";
        data.CurrentFilePath = "/games/falcon.gam";
        data.CurrentFileTitle = "falcon.gam";
        data.SavedStatus = c.status;
        data.FileLoaded = 0;
        data.ProgrammingInProgress = 1;
        data.ChordStepCount = 2;
        data.CurrentMode = 4;
        const auto stateBefore = FileState(data);
        std::vector<ButtonRecord> expected = Take();
        if (c.goesOn) {
            // The five modes are emptied; the edit record, clipboard and buffers survive, so
            // programming can be pasted into the new file.
            std::fill_n(expected.begin(), 140, ButtonRecord{});
        }
        view.calls.clear();
        box.clear();
        if (c.answer != NotAsked) {
            box.queueAnswer(c.answer);
        }

        EXPECT_EQ(data.SetupNewFile(), c.goesOn);

        const std::string label =
            "status " + std::to_string(c.status) + " answer " + std::to_string(c.answer);
        ASSERT_EQ(box.count(), c.answer != NotAsked ? 1u : 0u) << label;
        if (c.answer != NotAsked) {
            EXPECT_EQ(box.last().title, "Save current file first?");
            EXPECT_EQ(box.last().style, 36);
            EXPECT_EQ(box.last().text,
                      "The current file has been modified but is unsaved. If you continue, you "
                      "will lose any changes you have made. Would you like to save the changes "
                      "made?");
        }
        EXPECT_TRUE(Take() == expected) << label;
        if (c.goesOn) {
            EXPECT_EQ(FileState(data), std::make_tuple(QString("Unknown"), QString(""),
                                                       QString("Untitled.gam"), 0, 1, 0, 0, 1))
                << label;
            EXPECT_EQ(view.calls, newFileCalls) << label;
        } else {
            EXPECT_EQ(FileState(data), stateBefore) << label;
            EXPECT_TRUE(view.calls.isEmpty()) << label;
        }
    }
}

} // namespace
