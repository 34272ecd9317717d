#include "card_editor/window/FrmTemplate.h"

FrmTemplate::FrmTemplate(QWidget* parent) : QMainWindow(parent) {
    setObjectName("FrmTemplate");
    setWindowTitle("Tavrin's Quillet");
    resize(800, 600);
}
