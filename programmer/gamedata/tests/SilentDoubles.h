#pragma once

#include "common/platform/MessageBox.h"
#include "programmer/gamedata/ProgrammerView.h"

// A view and a message box that show nothing, for fuzz targets and benchmarks that drive the
// game data without looking at the window.
class SilentView : public ProgrammerView {
public:
    void SetStatusPanel(int, const QString&) override {}
    void SetPasteEnabled(bool) override {}
    void DisplaySetup(int) override {}
    void InfoLabels(int) override {}
    void ClearTable() override {}
    void ResetTable(int) override {}
    void FillTable(int) override {}
    void LblMODE_Click(int) override {}
    void ShowModeLamp(int, bool) override {}
};

class SilentMessageBox : public MessageBox {
public:
    int MsgBox(const QString&, int, const QString&) override { return MsgAnswer::Ok; }
};
