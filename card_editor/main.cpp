#include "card_editor/card/CardLayout.h"
#include "card_editor/window/FrmTemplate.h"
#include "common/dialogs/QtCommonDialog.h"
#include "common/platform/FileSystem.h"
#include "common/platform/QtMessageBox.h"
#include "common/platform/Shell.h"
#include "common/printing/Printer.h"
#include "common/printing/QtPrinter.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char** argv) {
    FileSystem::failWritesPastSizeLimit();
    QApplication app(argc, argv);
    QtMessageBox messageBox;
    QtCommonDialog commonDialog;
    QtShell shell;
    QuilletServices services{
        messageBox,
        commonDialog,
        shell,
        [] { return std::make_unique<QtPrinter>(QStringLiteral("Quillet card")); },
        [] { return PrinterCount(); },
        [](QWidget* parent) { return std::make_unique<QtCommonDialog>(parent); }};
    FrmTemplate window(services, FileSystem::programFolder());
    messageBox.setParent(&window);
    commonDialog.setParent(&window);
    // Where the screen has room, the window opens tall enough to show the whole card.
    if (const QScreen* screen = window.screen()) {
        const int wanted = CardPictureHeight + 60 + window.menuBar()->sizeHint().height();
        if (screen->availableGeometry().height() >= wanted + 40 && window.height() < wanted) {
            window.resize(window.width(), wanted);
        }
    }
    window.show();
    return app.exec();
}
