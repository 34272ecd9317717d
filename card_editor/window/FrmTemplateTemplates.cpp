// Saving the card as a template and opening one.
#include "card_editor/card/TemplateFile.h"
#include "card_editor/card/TemplateFolder.h"
#include "card_editor/window/FrmTemplate.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>

void FrmTemplate::SaveTemplate() {
    if (!TemplateFolder::isAcceptableName(doc_.TemplateName)) {
        return; // the callers ask for a name first; nothing is written outside a template
    }
    const QString saveTitle = QStringLiteral("Can't save template");
    if (doc_.TemplatesDirectory.isEmpty()) {
        // The template would land wherever the program happens to run.
        reportTemplateFile(saveTitle,
                           QStringLiteral("I have no templates folder to save the "
                                          "template in. Choose one in the preferences."));
        return;
    }
    const QString folder = TemplateFolder::folderOf(doc_.TemplatesDirectory, doc_.TemplateName);
    const QString file = TemplateFolder::fileOf(doc_.TemplatesDirectory, doc_.TemplateName);
    const std::optional<QByteArray> bytes = TemplateFile::bytes(currentLayout(), doc_.ImagePath);
    if (!bytes) {
        reportTemplateFile(saveTitle, QStringLiteral("The picture's path has a line break in it, "
                                                     "so I couldn't write it into ") +
                                          file + QStringLiteral(". Choose the picture again."));
        return;
    }
    const bool newFolder = !FileSystem::folderExists(folder);
    if (newFolder && !FileSystem::makeFolder(folder)) {
        reportTemplateFile(saveTitle, QStringLiteral("I couldn't make the folder ") + folder +
                                          QStringLiteral(" for the template, so it is not saved."));
        return;
    }
    doc_.CurrentFile = file;
    // A file that cannot be written is passed over, so that the others still take the edits.
    QStringList unwritten;
    QString error;
    if (!FileSystem::replaceFile(file, *bytes, &error)) {
        unwritten << QFileInfo(file).fileName() + QStringLiteral(" (") + error +
                         QStringLiteral(")");
    }
    for (int i = 0; i < BoxCount; ++i) {
        const QString boxFile = TemplateFolder::boxFileOf(folder, i);
        if (!boxes_[i]->SaveFile(boxFile)) {
            unwritten << QFileInfo(boxFile).fileName();
        }
    }
    if (unwritten.isEmpty()) {
        AddToRecentFiles();
        return;
    }
    // A failed save into a folder made for it leaves nothing behind for the list to offer.
    if (newFolder) {
        TemplateFolder::removeUnfinished(folder, doc_.TemplateName);
    }
    // A full disk fails every file: a few are named and the rest counted.
    constexpr qsizetype Named = 3;
    if (unwritten.size() > Named + 1) {
        const qsizetype others = unwritten.size() - Named;
        unwritten.resize(Named);
        unwritten << QString::number(others) + QStringLiteral(" other files");
    }
    const QString last = unwritten.takeLast();
    const QString names =
        unwritten.isEmpty() ? last
                            : unwritten.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    reportTemplateFile(
        saveTitle, QStringLiteral("I couldn't write ") + names + QStringLiteral(" in ") + folder +
                       (newFolder ? QStringLiteral(", so the template is not saved.")
                                  : QStringLiteral(", so the template is not saved whole. "
                                                   "Everything else in it is saved.")));
}

void FrmTemplate::OpenTemplate() {
    const QString path = FileSystem::storedPathCase(TemplateFile);
    FileSystem::ChangeToDriveRoot(path);
    const std::optional<QByteArray> bytes = FileSystem::readFile(path);
    if (!bytes) {
        reportTemplateFile(QStringLiteral("Can't open template"),
                           QStringLiteral("I couldn't read ") + path +
                               QStringLiteral(", so the card stays as it was."));
        return;
    }
    doc_.CurrentFile = path;
    showTextMenus(false);
    const TemplateFile::Read read = TemplateFile::read(*bytes);
    if (read.imagePath) {
        loadPicture(*read.imagePath);
    }
    applyLayout(read.layout);
    menus_.mnuImageLocked->setChecked(true);

    const QString folder = TemplateFolder::folderOfFile(path);
    doc_.TemplateName = TemplateFolder::nameOfFolder(folder);
    for (int i = 0; i < BoxCount; ++i) {
        const QString boxFile = TemplateFolder::boxFileOf(folder, i);
        // A missing file leaves the box as it is.
        if (FileSystem::fileExists(boxFile)) {
            boxes_[i]->LoadFile(boxFile);
        }
    }
    AddToRecentFiles();
}

void FrmTemplate::reportTemplateFile(const QString& title, const QString& text) {
    services_.messageBox.MsgBox(text, MsgStyle::Exclamation, title);
}
