// Start-up, the questions on closing, and the game-file commands of the File menu.
#include "programmer/window/Mum.h"

#include "common/platform/MessageBox.h"
#include "programmer/window/FormGameName.h"
#include "programmer/window/ProgrammingTab.h"

#include <QAction>
#include <QCloseEvent>
#include <QTabWidget>

void Mum::Form_Load() {
    data_.FileLoaded = 0;
    data_.SavedStatus = GameData::NewFile;
    CurrentButton = NoButton;
    AlwaysChorded = 1;
    DisplaySetup(0);
    InfoLabels(0);
    ResetTable(0);
    GraphicalViewMode = 0;
    TableViewMode = 0;
    data_.SetupButtonIDs();
    data_.SetupNewFile();
    ResetButtonProgrammingTab();
    mnuAssumeChordedKeys->setChecked(AlwaysChorded == 1);
    TextChanged = 0;
    SSTab1->setCurrentIndex(0);
}

bool Mum::Form_QueryUnload() {
    if (data_.SavedStatus == GameData::Modified) {
        const int answer = messageBox().MsgBox(
            QStringLiteral("The current file has been modified but is unsaved. If you exit now, "
                           "you will lose any changes you have made. Would you like to save the "
                           "file before exiting Tavrin?"),
            MsgStyle::QuestionYesNo, QStringLiteral("Save programmed file first?"));
        // Only an explicit No lets the changes go.
        if (answer != MsgAnswer::No) {
            return true;
        }
    }
    if (TextChanged == 1) {
        const int answer = messageBox().MsgBox(
            TextFileTitle +
                QStringLiteral(" has changed and isn't saved. If you exit now, you will lose any "
                               "changes you have made. Would you like to save the changes made "
                               "before exiting Tavrin?"),
            MsgStyle::QuestionYesNo, QStringLiteral("Save text file first?"));
        if (answer != MsgAnswer::No) {
            return true;
        }
    }
    return false;
}

void Mum::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
}

void Mum::mnuExit_Click() {
    close();
}

void Mum::mnuNew_Click() {
    data_.SetupNewFile();
}

void Mum::mnuOpen_Click() {}

void Mum::mnuSave_Click() {}

void Mum::mnuFileSaveAs_Click() {}

void Mum::mnuEnterGameName_Click() {
    FormGameName dialog(data_.GameName, this);
    if (dialog.exec() == QDialog::Accepted) {
        data_.GameName = dialog.gameName();
    }
}

void Mum::mnuAssumeChordedKeys_Click() {
    // The action has already reversed its check mark.
    AlwaysChorded = mnuAssumeChordedKeys->isChecked() ? 1 : 0;
}
