// The recent-files submenu of the File menu.
#include "card_editor/card/RecentFiles.h"
#include "card_editor/window/FrmTemplate.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"

#include <QAction>
#include <QMenu>

namespace {

// A menu caption showing the text as it is: "&" would otherwise mark an access key.
QString literalCaption(const QString& text) {
    QString caption = text;
    return caption.replace(u'&', QStringLiteral("&&"));
}

} // namespace

void FrmTemplate::LoadRecentFiles() {
    menus_.mnuPreviousClearAll->setEnabled(false);
    RecentFiles::LoadRecentFiles(doc_);
    if (doc_.AutoLoadRecent == 1) {
        menus_.mnuFileAutoLoad->setChecked(true);
    }
    if (!doc_.RecentFiles.isEmpty()) {
        menus_.mnuPreviousClearAll->setEnabled(true);
    }
    BuildRecentFilesMenu();
}

void FrmTemplate::BuildRecentFilesMenu() {
    const int count = static_cast<int>(doc_.RecentFiles.size());
    if (count == 0) {
        menus_.mnuFilePrevious->menuAction()->setEnabled(false);
        return;
    }
    menus_.mnuFilePrevious->menuAction()->setEnabled(true);
    menus_.mnuPreviousArray[0]->setVisible(false);
    for (int i = 1; i <= count; ++i) {
        if (i >= int(menus_.mnuPreviousArray.size())) {
            QAction* item = menus_.addRecentItem(i);
            connect(item, &QAction::triggered, this, [this, i] { mnuPreviousArray_Click(i); });
            menus_.mnuPreviousArray.push_back(item);
        }
        // The item keeps the path itself; its caption only shows it.
        QAction* item = menus_.mnuPreviousArray[i];
        item->setData(doc_.RecentFiles[i - 1]);
        item->setText(literalCaption(doc_.RecentFiles[i - 1]));
        item->setVisible(true);
    }
}

bool FrmTemplate::IsRecentFile(const QString& path) const {
    return RecentFiles::IsRecentFile(doc_, path);
}

void FrmTemplate::AddToRecentFiles() {
    RecentFiles::AddToRecentFiles(doc_);
    menus_.mnuPreviousClearAll->setEnabled(true);
    BuildRecentFilesMenu();
}

void FrmTemplate::mnuPreviousArray_Click(int Index) {
    if (Index < 1 || Index >= int(menus_.mnuPreviousArray.size())) {
        return;
    }
    doc_.PendingFile = menus_.mnuPreviousArray[Index]->data().toString();
    if (FileSystem::fileExists(doc_.PendingFile)) {
        doc_.OpenPending = 1;
        OpenGamFile();
        doc_.OpenPending = 0;
        return;
    }
    services_.messageBox.MsgBox(QStringLiteral("There's a problem here ... I couldn't find ") +
                                    doc_.PendingFile +
                                    QStringLiteral(" which probably means you've deleted it or "
                                                   "moved it. Sorry!"),
                                MsgStyle::Exclamation, QStringLiteral("Can't find file"));
}

void FrmTemplate::mnuFileAutoLoad_Click() {
    // The item has already reversed its check mark.
    doc_.AutoLoadRecent = menus_.mnuFileAutoLoad->isChecked() ? 1 : 0;
    RecentFiles::SaveAutoLoad(doc_);
}

void FrmTemplate::mnuPreviousClearAll_Click() {
    while (menus_.mnuPreviousArray.size() > 1) {
        delete menus_.mnuPreviousArray.back();
        menus_.mnuPreviousArray.pop_back();
    }
    RecentFiles::ClearRecentFiles(doc_);
    menus_.mnuFileAutoLoad->setChecked(false);
    menus_.mnuPreviousArray[0]->setVisible(false);
    menus_.mnuPreviousClearAll->setEnabled(false);
    menus_.mnuFilePrevious->menuAction()->setEnabled(false);
}
