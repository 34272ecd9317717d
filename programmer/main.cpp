#include "common/platform/QtMessageBox.h"
#include "programmer/window/Mum.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtMessageBox messageBox;
    Mum window(ProgrammerServices{messageBox});
    messageBox.setParent(&window);
    window.show();
    return app.exec();
}
