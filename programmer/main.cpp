#include "common/platform/QtMessageBox.h"
#include "common/platform/Shell.h"
#include "programmer/window/Mum.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtMessageBox messageBox;
    QtShell shell;
    Mum window(ProgrammerServices{messageBox, shell});
    messageBox.setParent(&window);
    window.show();
    return app.exec();
}
