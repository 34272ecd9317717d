#pragma once

// A rectangle of table cells: rows are printed button numbers 1..28, columns modes 1..5; row 0
// and column 0 are the headers and hold no records. -1 throughout when nothing is selected.
struct CellRectangle {
    int firstRow = -1;
    int lastRow = -1;
    int firstColumn = -1;
    int lastColumn = -1;

    bool operator==(const CellRectangle&) const = default;
};

// What the swap dialog asks for. It outlives the dialog and keeps its values from one swap to
// the next; the dialog sets SwapCancelled on opening and the rest only on "Swap".
struct SwapRequest {
    enum Style { SingleRecord = 0, Rows = 1, Columns = 2 };

    int SwapStyle = SingleRecord;
    int ButtonFrom = 0; // printed button numbers 1..28
    int ButtonTo = 0;
    int ModeFrom = 0; // modes 1..5
    int ModeTo = 0;
    int SwapCancelled = 0; // 1: cancelled or closed; 0: "Swap" chosen

    bool operator==(const SwapRequest&) const = default;
};
