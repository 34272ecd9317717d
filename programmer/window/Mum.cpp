#include "programmer/window/Mum.h"

Mum::Mum(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Mum");
    setWindowTitle("Tavrin - Brelkin Programmer");
    resize(800, 600);
}
