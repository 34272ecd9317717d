#include "programmer/window/StorableInput.h"

#include "programmer/window/SingleLineValidator.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace {

// Whether the edit types the text of a key press: not for shortcuts with Ctrl, nor for keys
// whose text is a control character, such as Backspace or Enter.
bool typesText(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return !event->text().isEmpty() && event->text().front().category() != QChar::Other_Control &&
           modifiers != Qt::ControlModifier &&
           modifiers != (Qt::ControlModifier | Qt::ShiftModifier);
}

// Hands the edit the fitted copy of an event in place of the original.
bool deliverInstead(QLineEdit* edit, QEvent* original, QEvent* fitted) {
    QCoreApplication::sendEvent(edit, fitted);
    original->setAccepted(fitted->isAccepted());
    return true;
}

// The event is dealt with here, and goes no further.
bool handled(QEvent* event) {
    event->accept();
    return true;
}

} // namespace

StorableInput::StorableInput(QLineEdit* edit, int maxChars)
    : QObject(edit), edit_(edit), maxChars_(maxChars) {
    edit->installEventFilter(this);
}

bool StorableInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || edit_->isReadOnly()) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        return inputMethod(static_cast<QInputMethodEvent*>(event));
    case QEvent::Drop:
        return drop(static_cast<QDropEvent*>(event));
    case QEvent::MouseButtonRelease:
        return middleClick(static_cast<QMouseEvent*>(event));
    case QEvent::ContextMenu:
        return contextMenu(static_cast<QContextMenuEvent*>(event));
    default:
        return QObject::eventFilter(watched, event);
    }
}

bool StorableInput::keyPress(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        // Where Ctrl+Shift+Insert pastes at all, it pastes the selection, as in the edit itself.
        const bool selection = event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        return pasteFitted(selection ? QClipboard::Selection : QClipboard::Clipboard) &&
               handled(event);
    }
    if (!typesText(event)) {
        return false;
    }
    const QString text = fitted(event->text(), edit_->selectedText().size());
    if (text == event->text()) {
        return false;
    }
    if (text.isEmpty()) {
        // A full edit takes a letter without effect.
        return handled(event);
    }
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                    event->nativeVirtualKey(), event->nativeModifiers(), text,
                    event->isAutoRepeat(), event->count(), event->device());
    return deliverInstead(edit_, event, &typed);
}

bool StorableInput::inputMethod(QInputMethodEvent* event) {
    const QString commit =
        fitted(event->commitString(), edit_->selectedText().size() + event->replacementLength());
    if (commit == event->commitString()) {
        return false;
    }
    QInputMethodEvent committed(event->preeditString(), event->attributes());
    committed.setCommitString(commit, event->replacementStart(), event->replacementLength());
    return deliverInstead(edit_, event, &committed);
}

bool StorableInput::drop(QDropEvent* event) {
    // The edit lets go of its selection before it takes a drop.
    const QString dropped = event->mimeData()->text();
    const QString text = fitted(dropped, 0);
    if (text == dropped) {
        return false;
    }
    if (text.isEmpty()) {
        event->ignore();
        return true;
    }
    QMimeData data;
    data.setText(text);
    QDropEvent fittedDrop(event->position(), event->possibleActions(), &data, event->buttons(),
                          event->modifiers());
    fittedDrop.setDropAction(event->dropAction());
    deliverInstead(edit_, event, &fittedDrop);
    event->setDropAction(fittedDrop.dropAction());
    return true;
}

bool StorableInput::middleClick(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() != Qt::MiddleButton || !clipboard->supportsSelection()) {
        return false;
    }
    const QString selected = clipboard->text(QClipboard::Selection);
    const QString text = fitted(selected, 0);
    if (text == selected) {
        return false;
    }
    // What the edit does with the selection, fitted.
    edit_->deselect();
    if (!text.isEmpty()) {
        edit_->insert(text);
    }
    return handled(event);
}

bool StorableInput::contextMenu(QContextMenuEvent* event) {
    QMenu* menu = edit_->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) {
            action->disconnect(edit_);
            connect(action, &QAction::triggered, this, [this] {
                if (!pasteFitted(QClipboard::Clipboard)) {
                    edit_->paste();
                }
            });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    return handled(event);
}

QString StorableInput::fitted(const QString& text, qsizetype removed) const {
    QString result = SingleLineValidator::storable(text);
    if (maxChars_ > 0) {
        // The edit holds converted text only, one character to a letter.
        result.truncate(std::max<qsizetype>(maxChars_ - (edit_->text().size() - removed), 0));
    }
    return result;
}

bool StorableInput::pasteFitted(QClipboard::Mode mode) {
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    const QString text = fitted(pasted, edit_->selectedText().size());
    if (text == pasted) {
        return false;
    }
    if (!text.isEmpty() || edit_->hasSelectedText()) {
        endUndoStep();
        edit_->insert(text);
        endUndoStep();
    }
    return true;
}

void StorableInput::endUndoStep() {
    // Moving the caret ends an undo step, as replacing a selection does. An empty edit has no
    // step to end.
    if (edit_->hasSelectedText()) {
        return;
    }
    const int at = edit_->cursorPosition();
    const int away = at > 0 ? at - 1 : at + 1;
    if (away > edit_->text().size()) {
        return;
    }
    edit_->setCursorPosition(away);
    edit_->setCursorPosition(at);
}
