#include "common/dialogs/QtCommonDialog.h"
#include "common/platform/FileSystem.h"
#include "common/platform/QtMessageBox.h"
#include "common/platform/Shell.h"
#include "common/printing/Printer.h"
#include "common/printing/QtPrinter.h"
#include "programmer/window/Mum.h"

#include <QApplication>

int main(int argc, char** argv) {
    FileSystem::failWritesPastSizeLimit();
    QApplication app(argc, argv);
    QtMessageBox messageBox;
    QtShell shell;
    QtCommonDialog dialog;
    Mum window(ProgrammerServices{messageBox, shell, dialog,
                                  [] { return std::make_unique<QtPrinter>(); },
                                  [] { return PrinterCount(); }});
    messageBox.setParent(&window);
    dialog.setParent(&window);
    window.show();
    return app.exec();
}
