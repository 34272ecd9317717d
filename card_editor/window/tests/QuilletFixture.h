#pragma once

#include "card_editor/window/FrmTemplate.h"
#include "common/platform/FileSystem.h"
#include "common/platform/TextFile.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/ScriptedMessageBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Quillet's main window started in a temporary program folder, with scripted dialogs.
class QuilletFixture : public ::testing::Test {
protected:
    QString programFile(const QString& name) const {
        return FileSystem::joinPath(folder.path(), name);
    }

    // Copies a file shipped with the program beside it.
    void ship(const QString& name) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRIN_SOURCE_DIR "/data/files/") + name,
                                programFile(name)));
    }

    void writeFile(const QString& name, const QStringList& lines) {
        ASSERT_TRUE(TextFile::writeLines(programFile(name), lines));
    }

    QuilletServices services() {
        return QuilletServices{messageBox,
                               dialog,
                               shell,
                               [this]() -> std::unique_ptr<Printer> { return makePrinter(); },
                               [this] { return printers; },
                               [this](QWidget*) { return dialog.sibling(); }};
    }

    FrmTemplate& start() {
        window = std::make_unique<FrmTemplate>(services(), folder.path());
        return *window;
    }

    QTemporaryDir folder;
    ScriptedMessageBox messageBox;
    ScriptedCommonDialog dialog;
    RecordingShell shell;
    int printers = 1;
    std::function<std::unique_ptr<Printer>()> makePrinter = [] {
        return std::make_unique<RecordingPrinter>();
    };
    std::unique_ptr<FrmTemplate> window;
};
