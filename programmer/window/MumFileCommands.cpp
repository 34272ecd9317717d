// Start-up, the questions on closing, and the game-file commands of the File menu.
#include "programmer/window/Mum.h"

#include "common/dialogs/CommonDialog.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/richtext/RichTextBox.h"
#include "programmer/window/FormGameName.h"
#include "programmer/window/KeyAssignmentTab.h"
#include "programmer/window/ProgrammingTab.h"

#include <QAction>
#include <QCloseEvent>
#include <QTabWidget>

namespace {

const QString GamExtension = QStringLiteral(".gam");

bool endsInGam(const QString& name) {
    return name.size() >= 4 && name.right(4).toLower() == GamExtension;
}

QString withGam(const QString& name) {
    return endsInGam(name) ? name : name + GamExtension;
}

} // namespace

void Mum::Form_Load() {
    data_.FileLoaded = 0;
    data_.SavedStatus = GameData::NewFile;
    CurrentButton = NoButton;
    data_.ReopenLastGamFile = 0;
    data_.Settings.AlwaysChorded = 1;
    DisplaySetup(0);
    InfoLabels(0);
    ResetTable(0);
    data_.GraphicalViewMode = 0;
    data_.TableViewMode = 0;
    data_.SetupButtonIDs();
    data_.ReadIniSettings();
    data_.SetupNewFile();
    ResetButtonProgrammingTab();
    mnuAssumeChordedKeys->setChecked(data_.Settings.AlwaysChorded == 1);
    const QString& last = data_.Settings.LastGamPath;
    if (!last.isEmpty() && FileSystem::fileExists(last)) {
        data_.ReopenLastGamFile = 1;
        data_.OpenGamFile(services_.commonDialog);
    }
    reloadLastDocument();
    TextChanged = 0; // loading the document is no change
    SSTab1->setCurrentIndex(0);
}

void Mum::reloadLastDocument() {
    ProgrammerSettings& settings = data_.Settings;
    TextFilePath = FileSystem::joinPath(programFolder_, QStringLiteral("Untitled.rtf"));
    const QString& last = settings.LastTextFilePath;
    if (last.isEmpty() || !FileSystem::fileExists(last) || !TemplateText->LoadFile(last)) {
        return;
    }
    TextFilePath = last;
    TextFileTitle = settings.LastTextFileName;
    settings.LastTextfolder = ProgrammerSettings::FolderOf(TextFilePath);
    keyAssignmentTab->setFileName(TextFileTitle);
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

void Mum::mnuOpen_Click() {
    if (data_.SavedStatus == GameData::Modified) {
        const int answer = messageBox().MsgBox(
            QStringLiteral("The current file has been modified but is unsaved. If you continue, "
                           "you will lose any changes you have made. Would you like to save the "
                           "changes made first before opening a new file?"),
            MsgStyle::QuestionYesNo, QStringLiteral("Save current file first?"));
        if (answer != MsgAnswer::No) {
            return;
        }
    }
    data_.OpenGamFile(services_.commonDialog);
}

// Refuses to save an empty file or one whose button is being programmed; true when it may.
bool Mum::maySave(const QString& emptyTitle, const QString& emptyText) {
    if (data_.SavedStatus == GameData::NewFile) {
        messageBox().MsgBox(emptyText, MsgStyle::Exclamation, emptyTitle);
        return false;
    }
    if (data_.ProgrammingInProgress == 1) {
        messageBox().MsgBox(QStringLiteral("You're in the middle of programming a button. You "
                                           "need to Accept or Cancel that programming before you "
                                           "can save the file."),
                            MsgStyle::Information, QStringLiteral("Can't save whilst programming"));
        return false;
    }
    return true;
}

void Mum::saveAndReport() {
    data_.SaveGAMfile();
    SetStatusPanel(1, QStringLiteral(" ") + data_.CurrentFileTitle +
                          (data_.SaveSucceeded == 1 ? QStringLiteral(" saved successfully.")
                                                    : QStringLiteral(" was not saved.")));
}

void Mum::mnuSave_Click() {
    if (!maySave(QStringLiteral("Hey ease up on the alcohol there buddy!"),
                 QStringLiteral("The file is empty buddy. You're asking me to save an empty file. "
                                "I may look stupid, but I'm not that stupid."))) {
        return;
    }
    if (data_.CurrentFilePath.isEmpty()) {
        mnuFileSaveAs_Click();
        return;
    }
    if (tellReadOnly(data_.CurrentFilePath, data_.CurrentFilePath)) {
        mnuFileSaveAs_Click();
        return;
    }
    data_.SavePath = data_.CurrentFilePath;
    data_.SaveTitle = withGam(data_.CurrentFileTitle);
    saveAndReport();
}

bool Mum::tellReadOnly(const QString& path, const QString& name) {
    if (!FileSystem::fileExists(path) || !FileSystem::isReadOnly(path)) {
        return false;
    }
    messageBox().MsgBox(name + QStringLiteral(" is read only. You'll need to save it elsewhere "
                                              "using the Save As routine. I'll run this for you "
                                              "now."),
                        MsgStyle::Information, QStringLiteral("Can't save Read Only file"));
    return true;
}

bool Mum::mayOverwrite(const QString& path, const QString& name) {
    if (!FileSystem::fileExists(path)) {
        return true;
    }
    const int answer = messageBox().MsgBox(
        name + QStringLiteral(" already exists. Do you want me to overwrite this file?"),
        MsgStyle::QuestionYesNo, QStringLiteral("OK to overwrite exisiting file?"));
    return answer == MsgAnswer::Yes;
}

void Mum::mnuFileSaveAs_Click() {
    if (!maySave(QStringLiteral("Time to go back on the medication buddy!"),
                 QStringLiteral("Hold your horses. The file is empty. And you want me to try to "
                                "save this?"))) {
        return;
    }
    const QString& lastFolder = data_.Settings.Lastfolder;
    if (!lastFolder.isEmpty()) {
        FileSystem::ChangeToDriveRoot(lastFolder);
    }
    CommonDialog& dialog = services_.commonDialog;
    dialog.InitDir = lastFolder;
    dialog.Filter = QStringLiteral("Brelkin game file (*.gam)|*.gam");
    dialog.DefaultExt = QStringLiteral("gam");
    dialog.DialogTitle = QStringLiteral("Save file as ...");
    dialog.FileName = data_.CurrentFileTitle;
    if (!dialog.ShowSave()) {
        return;
    }
    // A name with another extension gets ".gam" on the path as well as the title, so the file
    // written, the name shown and the folder remembered agree.
    const QString title = withGam(dialog.FileTitle);
    const QString path =
        endsInGam(dialog.FileName) ? dialog.FileName : dialog.FileName + GamExtension;
    if (FileSystem::fileExists(path)) {
        if (!mayOverwrite(path, title)) {
            return;
        }
        if (FileSystem::isReadOnly(path)) {
            messageBox().MsgBox(path + QStringLiteral(" is read only. You'll need to choose a "
                                                      "different file name from the Save As "
                                                      "menu again"),
                                MsgStyle::Information, QStringLiteral("Can't save Read Only file"));
            return;
        }
    }
    const QString previousPath = data_.CurrentFilePath;
    const QString previousTitle = data_.CurrentFileTitle;
    data_.CurrentFilePath = path;
    data_.CurrentFileTitle = title;
    data_.SavePath = path;
    data_.SaveTitle = title;
    FileSystem::ChangeToDriveRoot(path);
    saveAndReport();
    if (data_.SaveSucceeded != 1) {
        // The open file stays the one that is really on disk.
        data_.CurrentFilePath = previousPath;
        data_.CurrentFileTitle = previousTitle;
    }
}

void Mum::mnuEnterGameName_Click() {
    FormGameName dialog(data_.GameName, this);
    if (dialog.exec() == QDialog::Accepted) {
        data_.GameName = dialog.gameName();
    }
}

void Mum::mnuAssumeChordedKeys_Click() {
    // The item has already reversed its check mark.
    data_.AssumeChordedKeys(mnuAssumeChordedKeys->isChecked());
}
