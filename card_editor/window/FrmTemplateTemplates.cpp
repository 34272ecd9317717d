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

#include <algorithm>

namespace {

struct Unwritten {
    QString name;
    QString why;
};

// Names the files a save could not write, each with its reason, or the reason once where all
// share it. A full disk fails every file: a few are named and the rest counted.
QString couldNotWrite(const QList<Unwritten>& unwritten, const QString& folder) {
    const QString& firstWhy = unwritten.first().why;
    const bool oneReason =
        unwritten.size() > 1 && std::all_of(unwritten.cbegin(), unwritten.cend(),
                                            [&](const Unwritten& u) { return u.why == firstWhy; });
    constexpr qsizetype Named = 3;
    const qsizetype named = unwritten.size() > Named + 1 ? Named : unwritten.size();
    QStringList names;
    for (qsizetype i = 0; i < named; ++i) {
        const Unwritten& file = unwritten.at(i);
        names << (oneReason ? file.name : file.name + QStringLiteral(" (") + file.why + u')');
    }
    if (named < unwritten.size()) {
        names << QString::number(unwritten.size() - named) + QStringLiteral(" other files");
    }
    const QString last = names.takeLast();
    return QStringLiteral("I couldn't write ") +
           (names.isEmpty() ? last
                            : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last) +
           QStringLiteral(" in ") + folder +
           (oneReason ? QStringLiteral(" (") + firstWhy + u')' : QString());
}

} // namespace

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
    QList<Unwritten> unwritten;
    QString error;
    if (!FileSystem::replaceFile(file, *bytes, &error)) {
        unwritten.append({QFileInfo(file).fileName(), error});
    }
    for (int i = 0; i < BoxCount; ++i) {
        const QString boxFile = TemplateFolder::boxFileOf(folder, i);
        if (!boxes_[i]->SaveFile(boxFile, 0, &error)) {
            unwritten.append({QFileInfo(boxFile).fileName(), error});
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
    const bool nothingSaved = newFolder || unwritten.size() == BoxCount + 1;
    reportTemplateFile(saveTitle,
                       couldNotWrite(unwritten, folder) +
                           (nothingSaved ? QStringLiteral(", so the template is not saved.")
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
