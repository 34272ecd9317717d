#include "programmer/window/Mum.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Mum window;
    window.show();
    return app.exec();
}
