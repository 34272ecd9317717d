#pragma once

#include <QMessageBox>

// How a message box of a style code looks: its icon and buttons.
struct MessageBoxLook {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    // The button Escape and the close box press; NoButton: they do nothing.
    QMessageBox::StandardButton escapeButton = QMessageBox::Ok;
};

// The icon comes from the code's sixteens (16 critical, 32 question, 48 exclamation,
// 64 information), the buttons from its units (0 OK, 3 Yes/No/Cancel, 4 Yes/No).
MessageBoxLook messageBoxLook(int style);

// The answer code of a pressed button: 6 Yes, 7 No, 2 Cancel, else 1 OK.
int messageBoxAnswer(int pressed);
