// The table's pop-up menu and the digit keys 1 to 0: the window reads the selected cells and
// the swap dialog; the game data moves the records.
#include "programmer/window/Mum.h"

#include "common/dialogs/ConnectEach.h"
#include "programmer/window/FormSwap.h"
#include "programmer/window/GridTable.h"
#include "programmer/window/TableTab.h"

#include <QAction>

void Mum::connectRecordCommands() {
    connectEach(RHMCCP, &QAction::triggered, this, &Mum::RHMCCP_Click);
    connect(RHMSwap, &QAction::triggered, this, &Mum::RHMSwap_Click);
    connect(RHMDelete, &QAction::triggered, this, &Mum::RHMDelete_Click);
    connectEach(mnuOrientation1to0, &QAction::triggered, this, &Mum::mnuOrientation1to0_Click);
}

void Mum::RHMCCP_Click(int Index) {
    const CellRectangle selection = tableTab->Grid1->selectedRectangle();
    switch (Index) {
    case 0:
        data_.CutRecord(selection);
        break;
    case 1:
        data_.CopyRecord(selection);
        break;
    case 2:
        data_.PasteRecords(selection);
        break;
    default:
        break;
    }
}

void Mum::RHMDelete_Click() {
    data_.DeleteRecords(tableTab->Grid1->selectedRectangle());
}

void Mum::RHMSwap_Click() {
    FormSwap dialog(data_.Swap, this);
    dialog.exec();
    data_.SwapRecords();
}

void Mum::mnuOrientation1to0_Click(int Index) {
    GetCurrentMode();
    data_.InsertDigits(Index);
}
