#include "programmer/gamedata/tests/GameDataFixture.h"

#include "common/platform/MessageBox.h"

#include <climits>
#include <functional>
#include <map>
#include <vector>

namespace {

class RecordOperations : public GameDataFixture {
protected:
    // Every record of every mode gets a programming of its own.
    void ProgramEverything() {
        for (int m = 1; m <= 5; ++m) {
            for (int r = 1; r <= 28; ++r) {
                ButtonRecord* record = data.Record(m, r);
                record->Description = QString("m%1 r%2").arg(m).arg(r);
                record->KeyText = QString("k%1").arg(r);
                record->NumKeyPresses = 1;
                record->setKeyPressLen(1, 1);
                record->setKeyCodeByte(1, GameFileByte(m * 28 + r));
            }
        }
    }
    static QString GameFileByte(int v) { return QString("%1").arg(v, 2, 16, QChar('0')).toUpper(); }

    // The five modes as they are now, by (mode, record).
    std::map<std::pair<int, int>, ButtonRecord> Snapshot() const {
        std::map<std::pair<int, int>, ButtonRecord> all;
        for (int m = 1; m <= 5; ++m) {
            for (int r = 1; r <= 28; ++r) {
                all[{m, r}] = *data.Record(m, r);
            }
        }
        return all;
    }
    const ButtonRecord& Cell(int row, int column) const {
        return *data.Record(column, data.RecordOfRow(row));
    }
};

enum class Op { Cut, Copy, Paste, Delete };

void Apply(GameData& data, Op op, const CellRectangle& s) {
    switch (op) {
    case Op::Cut:
        data.CutRecord(s);
        break;
    case Op::Copy:
        data.CopyRecord(s);
        break;
    case Op::Paste:
        data.PasteRecords(s);
        break;
    case Op::Delete:
        data.DeleteRecords(s);
        break;
    }
}

TEST_F(RecordOperations, EachOperationChangesExactlyTheDataCellsOfItsRectangle) {
    struct Case {
        const char* name;
        Op op;
        CellRectangle selection;
        CellRectangle changed; // data cells expected to change; firstRow -1 for none
        bool modified;
        bool pasteBefore = false; // "&Paste" enabled beforehand
    };
    const CellRectangle none;
    const std::vector<Case> cases = {
        {"copy row 5 is record 12", Op::Copy, {5, 5, 2, 2}, none, false},
        {"cut row 28 is record 5", Op::Cut, {28, 28, 1, 1}, {28, 28, 1, 1}, true},
        {"cut takes only the first cell", Op::Cut, {3, 9, 2, 4}, {3, 3, 2, 2}, true},
        {"cut on the header row", Op::Cut, {0, 3, 1, 1}, none, false},
        {"copy on the header column", Op::Copy, {1, 1, 0, 2}, none, false},
        {"cut below the grid", Op::Cut, {29, 29, 1, 1}, none, false},
        {"copy right of the grid", Op::Copy, {1, 1, 6, 6}, none, false},
        {"cut with nothing selected", Op::Cut, {-1, -1, -1, -1}, none, false},
        {"paste 3 x 2", Op::Paste, {4, 6, 2, 3}, {4, 6, 2, 3}, true},
        {"paste reaching into the headers", Op::Paste, {0, 2, 0, 3}, {1, 2, 1, 3}, true},
        {"paste without end", Op::Paste, {INT_MIN, INT_MAX, INT_MIN, INT_MAX}, {1, 28, 1, 5}, true},
        {"paste on headers only", Op::Paste, {0, 0, 0, 5}, none, false},
        {"delete a whole mode", Op::Delete, {1, 28, 4, 4}, {1, 28, 4, 4}, true},
        {"delete beyond the grid", Op::Delete, {29, 40, 6, 9}, none, false},
        {"delete turned round", Op::Delete, {3, 1, 2, 2}, none, false},
        {"paste keeps Paste", Op::Paste, {2, 2, 5, 5}, {2, 2, 5, 5}, true, true},
        {"delete keeps Paste", Op::Delete, {2, 2, 5, 5}, {2, 2, 5, 5}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramEverything();
        data.SavedStatus = GameData::SavedFile;
        ButtonRecord clip;
        clip.Description = "clip";
        data.ClipRecord.set(1, clip);
        data.TempButton.set(1, clip);
        view.calls.clear();
        view.pasteEnabled = c.pasteBefore;
        const auto before = Snapshot();
        const CellRectangle& sel = c.selection;
        const bool firstIsData =
            sel.firstRow >= 1 && sel.firstRow <= 28 && sel.firstColumn >= 1 && sel.firstColumn <= 5;
        const ButtonRecord first = firstIsData ? Cell(sel.firstRow, sel.firstColumn) : clip;

        Apply(data, c.op, c.selection);

        const ButtonRecord expected = c.op == Op::Paste ? clip : ButtonRecord();
        for (int row = 1; row <= 28; ++row) {
            for (int column = 1; column <= 5; ++column) {
                const bool inside = row >= c.changed.firstRow && row <= c.changed.lastRow &&
                                    column >= c.changed.firstColumn &&
                                    column <= c.changed.lastColumn;
                const int r = data.RecordOfRow(row);
                EXPECT_EQ(Cell(row, column), inside ? expected : before.at({column, r}))
                    << "row " << row << " column " << column;
            }
        }
        const bool fillsClipboard = (c.op == Op::Cut || c.op == Op::Copy) && firstIsData;
        EXPECT_EQ(*data.ClipRecord.at(1), fillsClipboard ? first : clip);
        EXPECT_EQ(view.pasteEnabled, fillsClipboard || c.pasteBefore);
        EXPECT_EQ(data.SavedStatus, c.modified ? GameData::Modified : GameData::SavedFile);
        EXPECT_EQ(view.calls.contains("RefreshProgrammingData"), c.modified);
        // Cut and Delete drop the edit record only when they run.
        const bool resetsEdit = c.modified && c.op != Op::Paste;
        EXPECT_EQ(*data.TempButton.at(1), resetsEdit ? ButtonRecord() : clip);
    }
}

TEST_F(RecordOperations, SwapExchangesWholeRecordsOrRefusesOrIgnoresTheRequest) {
    struct Case {
        const char* name;
        SwapRequest request;
        // (mode, record) pairs expected to hold each other's programming.
        std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> exchanged;
        const char* refusal; // title of the refusal, or nullptr
        bool pasteAfter;     // "&Paste" enabled afterwards (it starts enabled)
    };
    auto rows = [](int a, int b) {
        std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> pairs;
        for (int m = 1; m <= 5; ++m) {
            pairs.push_back({{m, a}, {m, b}});
        }
        return pairs;
    };
    auto columns = [](int a, int b) {
        std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> pairs;
        for (int r = 1; r <= 28; ++r) {
            pairs.push_back({{a, r}, {b, r}});
        }
        return pairs;
    };
    const std::vector<Case> cases = {
        {"one record, two buttons, two modes",
         {0, 23, 2, 1, 3, 0},
         {{{1, 9}, {3, 2}}},
         nullptr,
         false},
        {"one record, one button, two modes",
         {0, 7, 7, 2, 5, 0},
         {{{2, 28}, {5, 28}}},
         nullptr,
         false},
        {"one record, same cell", {0, 1, 1, 1, 1, 0}, {}, "Buttons are the same", true},
        {"rows 5 and 28 are records 12 and 5", {1, 5, 28, 3, 3, 0}, rows(12, 5), nullptr, true},
        {"rows, same button", {1, 9, 9, 1, 4, 0}, {}, "Buttons are identical", true},
        {"columns", {2, 1, 1, 1, 4, 0}, columns(1, 4), nullptr, true},
        {"columns, same mode", {2, 3, 8, 2, 2, 0}, {}, "Modes are identical", true},
        {"cancelled", {0, 23, 2, 1, 3, 1}, {}, nullptr, true},
        {"unknown style", {3, 23, 2, 1, 3, 0}, {}, nullptr, true},
        {"negative style", {-1, 23, 2, 1, 3, 0}, {}, nullptr, true},
        {"button 0", {0, 0, 2, 1, 3, 0}, {}, nullptr, true},
        {"button 29", {1, 29, 2, 1, 3, 0}, {}, nullptr, true},
        {"mode 0", {0, 1, 1, 0, 0, 0}, {}, nullptr, true},
        {"mode 6", {2, 1, 1, 1, 6, 0}, {}, nullptr, true},
        {"never set", SwapRequest{}, {}, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramEverything();
        box.clear();
        view.calls.clear();
        view.pasteEnabled = true;
        ButtonRecord clip;
        clip.Description = "clip";
        data.ClipRecord.set(1, clip); // only a one-record swap may use it
        data.SavedStatus = GameData::SavedFile;
        if (c.refusal != nullptr) {
            box.queueAnswer(MsgAnswer::Ok);
        }
        const auto before = Snapshot();
        data.Swap = c.request;

        data.SwapRecords();

        auto after = before;
        for (const auto& [a, b] : c.exchanged) {
            std::swap(after[a], after[b]);
        }
        EXPECT_EQ(Snapshot(), after);
        EXPECT_EQ(data.Swap, c.request);
        const bool changed = !c.exchanged.empty();
        EXPECT_EQ(data.SavedStatus, changed ? GameData::Modified : GameData::SavedFile);
        EXPECT_EQ(view.calls.contains("RefreshProgrammingData"), changed);
        EXPECT_EQ(view.pasteEnabled, c.pasteAfter);
        EXPECT_EQ(*data.ClipRecord.at(1) == clip, !changed || c.request.SwapStyle != 0);
        ASSERT_EQ(box.count(), c.refusal != nullptr ? 1u : 0u);
        if (c.refusal != nullptr) {
            EXPECT_EQ(box.last().title, c.refusal);
            EXPECT_EQ(box.last().style, MsgStyle::Exclamation);
        }

        // The same swap again gives the programming back.
        if (changed) {
            data.SwapRecords();
            EXPECT_EQ(Snapshot(), before);
        }
    }
}

TEST_F(RecordOperations, SwapRefusalsSayWhatIsTheSame) {
    const std::vector<std::pair<SwapRequest, QString>> cases = {
        {{0, 4, 4, 2, 2, 0},
         "You're asking me to swap the same button with itself ... err ... "
         "and how do you suggest I go about doing that then?!"},
        {{1, 4, 4, 2, 3, 0},
         "You're asking me to swap the same buttons (ie. rows) ... err ... "
         "and how do you suggest I go about doing that then?!"},
        {{2, 4, 5, 3, 3, 0},
         "You're asking me to swap the same modes (ie. columns) ... err ... "
         "and how do you suggest I go about doing that then?!"},
    };
    for (const auto& [request, text] : cases) {
        box.queueAnswer(MsgAnswer::Ok);
        data.Swap = request;
        data.SwapRecords();
        EXPECT_EQ(box.last().text, text);
    }
}

TEST_F(RecordOperations, DigitKeysGoIntoTenButtonsOfTheCurrentModeOnly) {
    struct Case {
        int mode;
        int index;
        std::vector<int> records; // records of 1, 2, ..., 9, 0; empty when nothing is written
        bool longMacros = false;  // every record held 14 key presses before
    };
    const std::vector<Case> cases = {
        {3, 0, {9, 17, 25, 21, 13, 5, 10, 18, 26, 22}},
        {1, 1, {11, 19, 27, 23, 15, 7, 10, 18, 26, 22}},
        {5, 2, {}},
        {2, -1, {}},
        {0, 0, {}},
        {6, 1, {}},
        {4, 1, {11, 19, 27, 23, 15, 7, 10, 18, 26, 22}, true},
    };
    const QStringList names = {"One", "Two",   "Three", "Four", "Five",
                               "Six", "Seven", "Eight", "Nine", "Zero"};
    const QStringList codes = {"16", "1E", "26", "25", "2E", "36", "3D", "3E", "46", "45"};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " index " << c.index);
        ProgramEverything();
        for (int r = 1; r <= 28 && c.longMacros; ++r) {
            data.Record(c.mode, r)->NumKeyPresses = 14;
            for (int j = 2; j <= 14; ++j) {
                data.Record(c.mode, r)->setKeyPressLen(j, 1);
                data.Record(c.mode, r)->setKeyCodeByte(j, "1C");
            }
        }
        data.CurrentMode = c.mode;
        data.TableViewMode = 2;
        data.ProgrammingInProgress = 1;
        data.SavedStatus = GameData::SavedFile;
        view.calls.clear();
        auto expected = Snapshot();
        for (std::size_t k = 0; k < c.records.size(); ++k) {
            ButtonRecord digit;
            digit.Description = names[static_cast<int>(k)];
            digit.KeyText = QString::number((k + 1) % 10);
            digit.NumKeyPresses = 1;
            digit.setKeyPressLen(1, 1);
            digit.setKeyCodeByte(1, codes[static_cast<int>(k)]);
            expected[{c.mode, c.records[k]}] = digit;
        }

        data.InsertDigits(c.index);

        EXPECT_EQ(Snapshot(), expected);
        if (c.records.empty()) {
            EXPECT_TRUE(view.calls.isEmpty());
            EXPECT_EQ(data.ProgrammingInProgress, 1);
            continue;
        }
        EXPECT_EQ(data.ProgrammingInProgress, 0);
        EXPECT_EQ(view.calls,
                  QStringList({"panel 2: Modified", QString("LblMODE_Click %1").arg(c.mode - 1),
                               "FillTable 2"}));
    }
}

} // namespace
