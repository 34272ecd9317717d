#pragma once

#include "programmer/gamedata/ProgrammerView.h"

#include <QString>
#include <QStringList>
#include <array>

// A view that records every call in order and keeps what a user would see.
class RecordingView : public ProgrammerView {
public:
    void SetStatusPanel(int panel, const QString& text) override {
        calls << QStringLiteral("panel %1: %2").arg(panel).arg(text);
        if (panel >= 1 && panel <= 3) {
            panels[static_cast<std::size_t>(panel)] = text;
        }
    }
    void SetPasteEnabled(bool enabled) override {
        calls << QStringLiteral("paste %1").arg(enabled ? "on" : "off");
        pasteEnabled = enabled;
    }
    void DisplaySetup(int mode) override { calls << QStringLiteral("DisplaySetup %1").arg(mode); }
    void InfoLabels(int hideOrShow) override {
        calls << QStringLiteral("InfoLabels %1").arg(hideOrShow);
    }
    void ClearTable() override { calls << QStringLiteral("ClearTable"); }
    void ResetTable(int mode) override { calls << QStringLiteral("ResetTable %1").arg(mode); }
    void FillTable(int tableViewMode) override {
        calls << QStringLiteral("FillTable %1").arg(tableViewMode);
    }
    void LblMODE_Click(int index) override {
        calls << QStringLiteral("LblMODE_Click %1").arg(index);
    }
    void RefreshProgrammingData() override { calls << QStringLiteral("RefreshProgrammingData"); }
    void ShowModeLamp(int index, bool visible) override {
        calls << QStringLiteral("lamp %1 %2").arg(index).arg(visible ? "on" : "off");
    }

    QStringList calls;
    std::array<QString, 4> panels; // 1..3 used
    bool pasteEnabled = true;
};
