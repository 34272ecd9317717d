#include "common/platform/QtMessageBox.h"

#include "common/platform/MessageBoxLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>

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

// The program's main window: a shown one first, else one not shown yet.
QMainWindow* mainWindow() {
    QMainWindow* notShownYet = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QMainWindow*>(widget);
        if (window == nullptr) {
            continue;
        }
        if (window->isVisible()) {
            return window;
        }
        if (notShownYet == nullptr && !window->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
            notShownYet = window;
        }
    }
    return notShownYet;
}

} // namespace

QWidget* QtMessageBox::owner() const {
    if (parent_ != nullptr) {
        return parent_->window();
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return mainWindow();
}

int QtMessageBox::MsgBox(const QString& text, int style, const QString& title) {
    const MessageBoxLook look = messageBoxLook(style);
    QWidget* parent = owner();
    if (parent != nullptr && !parent->isVisible() &&
        !parent->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        parent->show(); // start-up is not over, but the user is asked something now
    }
    AnswerBox box(parent);
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
