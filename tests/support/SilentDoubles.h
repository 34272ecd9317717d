#pragma once

#include "common/dialogs/CommonDialog.h"
#include "common/platform/MessageBox.h"
#include "common/platform/Shell.h"
#include "programmer/gamedata/ProgrammerView.h"

// Doubles that show nothing and ask nobody, for fuzz targets and benchmarks that drive the
// programs without looking at them.
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
    void RefreshProgrammingData() override {}
    void ShowModeLamp(int, bool) override {}
};

class SilentMessageBox : public MessageBox {
public:
    int MsgBox(const QString&, int, const QString&) override { return MsgAnswer::Ok; }
};

class SilentShell : public Shell {
public:
    bool startProgram(const QString&) override { return false; }
    void showHelp(const QString&) override {}
};

// Every dialog is cancelled.
class CancelledDialog : public CommonDialog {
public:
    bool ShowOpen() override { return false; }
    bool ShowSave() override { return false; }
    bool ShowFont() override { return false; }
    bool ShowColor() override { return false; }
    bool ShowFolder() override { return false; }
};
