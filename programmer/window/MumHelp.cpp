// Help, About and starting the card editor.
#include "programmer/window/Mum.h"

#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/platform/Shell.h"

#include <QDir>

namespace {

const QString TavrinVersion = QStringLiteral("1.0.0");

// The card editor's program file beside Tavrin.
QString quilletProgramName() {
#ifdef Q_OS_WIN
    return QStringLiteral("Quillet.exe");
#else
    return QStringLiteral("Quillet");
#endif
}

} // namespace

void Mum::mnuHelpTopics_Click() {
    // Our own help window: the desktop would take the HTML file for a Windows help file.
    services_.shell.showHelp(FileSystem::joinPath(programFolder_, QStringLiteral("Tavrin.hlp")));
}

void Mum::mnuAoutTavrin_Click() {
    messageBox().MsgBox(
        QStringLiteral("Tavrin %1\n\nTavrin programs the Brelkin game controller: for each of its "
                       "28 buttons in each of its five modes it keeps a description and the key "
                       "presses the button sends, never more than the button's 14 bytes of "
                       "memory. It reads and writes game files (.gam), keeps a key-assignment "
                       "document, and starts Quillet to print game cards.")
            .arg(TavrinVersion),
        MsgStyle::Information, QStringLiteral("About Tavrin"));
}

void Mum::mnuQuillet_Click() {
    const QString path = FileSystem::joinPath(programFolder_, quilletProgramName());
    if (!FileSystem::fileExists(path)) {
        messageBox().MsgBox(QStringLiteral("I couldn't find Tavrin's Quillet - how very odd to say "
                                           "the least. What have you done with it? "),
                            MsgStyle::Information, QStringLiteral("Where is it?"));
        return;
    }
    // The card editor starts in its own folder, as it would when started by itself.
    FileSystem::ChangeToDriveRoot(path);
    QDir::setCurrent(programFolder_);
    services_.shell.startProgram(path);
}
