#include "common/platform/QtMessageBox.h"

#include "common/platform/MessageBoxLook.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace {

// A box without an escape button can only be answered with one of its buttons: Escape and the
// close box do nothing. Qt would otherwise take "No" for the escape and a user who only meant
// to get out of a "save first?" question would let the changes go.
class AnswerBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool mustAnswer = false;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (mustAnswer && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (mustAnswer) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

} // namespace

int QtMessageBox::MsgBox(const QString& text, int style, const QString& title) {
    const MessageBoxLook look = messageBoxLook(style);
    AnswerBox box(parent_);
    box.setWindowTitle(title);
    // Messages carry file and game names; a "<" in one must not turn the text into HTML.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(look.icon);
    box.setStandardButtons(look.buttons);
    box.setDefaultButton(look.defaultButton);
    if (look.escapeButton == QMessageBox::NoButton) {
        box.mustAnswer = true;
    } else {
        box.setEscapeButton(look.escapeButton);
    }
    return messageBoxAnswer(box.exec());
}
