#include "common/platform/MessageBoxLook.h"

#include "common/platform/MessageBox.h"

MessageBoxLook messageBoxLook(int style) {
    MessageBoxLook look;
    switch (style & 0x70) {
    case 16:
        look.icon = QMessageBox::Critical;
        break;
    case 32:
        look.icon = QMessageBox::Question;
        break;
    case 48:
        look.icon = QMessageBox::Warning;
        break;
    case 64:
        look.icon = QMessageBox::Information;
        break;
    default:
        look.icon = QMessageBox::NoIcon;
        break;
    }
    switch (style & 0x0F) {
    case 3:
        look.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        look.defaultButton = QMessageBox::Yes;
        look.escapeButton = QMessageBox::Cancel;
        break;
    case 4:
        look.buttons = QMessageBox::Yes | QMessageBox::No;
        look.defaultButton = QMessageBox::Yes;
        // A Yes/No question has no way out but its two answers.
        look.escapeButton = QMessageBox::NoButton;
        break;
    default:
        look.buttons = QMessageBox::Ok;
        look.defaultButton = QMessageBox::Ok;
        look.escapeButton = QMessageBox::Ok;
        break;
    }
    return look;
}

int messageBoxAnswer(int pressed) {
    switch (pressed) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}
