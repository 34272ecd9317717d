#include "card_editor/window/FrmTemplate.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FrmTemplate window;
    window.show();
    return app.exec();
}
