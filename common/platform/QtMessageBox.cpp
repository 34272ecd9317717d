#include "common/platform/QtMessageBox.h"

#include "common/platform/MessageBoxLook.h"

int QtMessageBox::MsgBox(const QString& text, int style, const QString& title) {
    const MessageBoxLook look = messageBoxLook(style);
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    // Messages carry file and game names; a "<" in one must not turn the text into HTML.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(look.icon);
    box.setStandardButtons(look.buttons);
    box.setDefaultButton(look.defaultButton);
    box.setEscapeButton(look.escapeButton);
    return messageBoxAnswer(box.exec());
}
