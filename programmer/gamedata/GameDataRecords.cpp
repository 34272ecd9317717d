// Moving programming between the cells of the table: cut, copy, paste, delete, swap, and the
// digit keys 1 to 0.
#include "programmer/gamedata/GameData.h"

#include "common/platform/MessageBox.h"
#include "programmer/gamedata/ProgrammerView.h"

#include <algorithm>
#include <array>

namespace {

// Calls act on the record of every data cell of the rectangle, row by row; returns how many
// there were. Cells outside the data are passed over, and the loops never run past the data,
// whatever the rectangle says.
template <typename Act> int ForEachDataCell(GameData& data, const CellRectangle& s, Act act) {
    int cells = 0;
    const int lastRow = std::min(s.lastRow, GameData::RecordCount);
    const int lastColumn = std::min(s.lastColumn, GameData::ModeCount);
    for (int r = std::max(s.firstRow, 1); r <= lastRow; ++r) {
        for (int c = std::max(s.firstColumn, 1); c <= lastColumn; ++c) {
            if (ButtonRecord* record = data.Record(c, data.RecordOfRow(r))) {
                act(*record);
                ++cells;
            }
        }
    }
    return cells;
}

struct Digit {
    const char* keyText;
    const char* scanCode;
    const char* description;
};

// The digit keys in the order they are placed: 1 to 9, then 0.
constexpr std::array<Digit, 10> Digits = {{{"1", "16", "One"},
                                           {"2", "1E", "Two"},
                                           {"3", "26", "Three"},
                                           {"4", "25", "Four"},
                                           {"5", "2E", "Five"},
                                           {"6", "36", "Six"},
                                           {"7", "3D", "Seven"},
                                           {"8", "3E", "Eight"},
                                           {"9", "46", "Nine"},
                                           {"0", "45", "Zero"}}};

// Records of the digits 1 to 6, vertically (buttons 23 to 28) and horizontally (22 down to 17).
constexpr std::array<std::array<int, 6>, 2> FirstSixRecords = {
    {{9, 17, 25, 21, 13, 5}, {11, 19, 27, 23, 15, 7}}};
// Records of 7, 8, 9 and 0 (buttons 16 down to 13), the same for both orientations.
constexpr std::array<int, 4> LastFourRecords = {10, 18, 26, 22};

ButtonRecord DigitRecord(const Digit& digit) {
    ButtonRecord record;
    record.Description = QString::fromLatin1(digit.description);
    record.KeyText = QString::fromLatin1(digit.keyText);
    record.NumKeyPresses = 1;
    record.setKeyPressLen(1, 1);
    record.setKeyCodeByte(1, QString::fromLatin1(digit.scanCode));
    return record;
}

} // namespace

void GameData::CutRecord(const CellRectangle& selection) {
    ButtonRecord* cell = Record(selection.firstColumn, RecordOfRow(selection.firstRow));
    // Without a cell there is nothing to cut: a blank clipboard would later paste over
    // real programming.
    if (cell == nullptr) {
        return;
    }
    SetupButtonArray(TempButtonArray);
    SetupButtonArray(ClipRecordArray);
    ClipRecord.set(1, *cell);
    *cell = TempButton.value(1);
    view_.SetPasteEnabled(true);
    view_.RefreshProgrammingData();
    UpdateSavedStatus(Modified);
}

void GameData::CopyRecord(const CellRectangle& selection) {
    const ButtonRecord* cell = Record(selection.firstColumn, RecordOfRow(selection.firstRow));
    if (cell == nullptr) {
        return;
    }
    SetupButtonArray(ClipRecordArray);
    ClipRecord.set(1, *cell);
    view_.SetPasteEnabled(true);
}

void GameData::PasteRecords(const CellRectangle& selection) {
    const ButtonRecord clip = ClipRecord.value(1);
    if (ForEachDataCell(*this, selection, [&clip](ButtonRecord& r) { r = clip; }) == 0) {
        return;
    }
    view_.RefreshProgrammingData();
    UpdateSavedStatus(Modified);
}

void GameData::DeleteRecords(const CellRectangle& selection) {
    if (ForEachDataCell(*this, selection, [](ButtonRecord&) {}) == 0) {
        return;
    }
    SetupButtonArray(TempButtonArray);
    const ButtonRecord blank = TempButton.value(1);
    ForEachDataCell(*this, selection, [&blank](ButtonRecord& r) { r = blank; });
    view_.RefreshProgrammingData();
    UpdateSavedStatus(Modified);
}

namespace {

void Refuse(MessageBox& box, const char* title, const char* what) {
    box.MsgBox(QStringLiteral("You're asking me to swap the same %1 ... err ... and how do you "
                              "suggest I go about doing that then?!")
                   .arg(QString::fromLatin1(what)),
               MsgStyle::Exclamation, QString::fromLatin1(title));
}

} // namespace

void GameData::SwapRecords() {
    const SwapRequest q = Swap;
    if (q.SwapCancelled != 0) {
        return;
    }
    const int f = RecordOfRow(q.ButtonFrom);
    const int t = RecordOfRow(q.ButtonTo);
    switch (q.SwapStyle) {
    case SwapRequest::SingleRecord: {
        ButtonRecord* from = Record(q.ModeFrom, f);
        ButtonRecord* to = Record(q.ModeTo, t);
        if (from == nullptr || to == nullptr) {
            return;
        }
        if (from == to) {
            Refuse(messageBox_, "Buttons are the same", "button with itself");
            return;
        }
        SetupButtonArray(ClipRecordArray);
        ClipRecord.set(1, *to);
        *to = *from;
        *from = ClipRecord.value(1);
        break;
    }
    case SwapRequest::Rows:
        if (f == 0 || t == 0) {
            return;
        }
        if (f == t) {
            Refuse(messageBox_, "Buttons are identical", "buttons (ie. rows)");
            return;
        }
        SetupButtonArray(SwapRowArray);
        for (int m = 1; m <= ModeCount; ++m) {
            SwapRowBuffer.set(m, *Record(m, t));
            *Record(m, t) = *Record(m, f);
            *Record(m, f) = SwapRowBuffer.value(m);
        }
        break;
    case SwapRequest::Columns: {
        ModeRecords* from = ModeArray(q.ModeFrom);
        ModeRecords* to = ModeArray(q.ModeTo);
        if (from == nullptr || to == nullptr) {
            return;
        }
        if (from == to) {
            Refuse(messageBox_, "Modes are identical", "modes (ie. columns)");
            return;
        }
        SetupButtonArray(SwapColumnArray);
        for (int i = 1; i <= RecordCount; ++i) {
            SwapColumnBuffer.set(i, to->value(i));
        }
        for (int i = 1; i <= RecordCount; ++i) {
            to->set(i, from->value(i));
            from->set(i, SwapColumnBuffer.value(i));
        }
        break;
    }
    default:
        return;
    }
    view_.RefreshProgrammingData();
    UpdateSavedStatus(Modified);
}

void GameData::InsertDigits(int Index) {
    ModeRecords* mode = ModeArray(CurrentMode);
    if (mode == nullptr || Index < 0 || Index > 1) {
        return;
    }
    const auto& firstSix = FirstSixRecords[static_cast<std::size_t>(Index)];
    for (std::size_t k = 0; k < firstSix.size(); ++k) {
        mode->set(firstSix[k], DigitRecord(Digits[k]));
    }
    for (std::size_t k = 0; k < LastFourRecords.size(); ++k) {
        mode->set(LastFourRecords[k], DigitRecord(Digits[firstSix.size() + k]));
    }
    ProgrammingInProgress = 0;
    UpdateSavedStatus(Modified);
    view_.LblMODE_Click(CurrentMode - 1);
    view_.FillTable(TableViewMode);
}
