#pragma once

#include <QClipboard>
#include <QObject>

class QContextMenuEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

// Fits what is typed, pasted or dropped into a line edit to one line of a game file before the
// edit takes it in: converted as SingleLineValidator converts, and cut to the room left. The
// edit then takes it as one ordinary edit, which undo takes back whole; a validator that
// changed it instead would clear the undo history.
class StorableInput : public QObject {
    Q_OBJECT

public:
    // Watches the input of edit, which owns it; maxChars, when above 0, is the most characters
    // the edit holds.
    StorableInput(QLineEdit* edit, int maxChars);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QKeyEvent* event);
    bool inputMethod(QInputMethodEvent* event);
    bool drop(QDropEvent* event);
    bool middleClick(QMouseEvent* event);
    bool contextMenu(QContextMenuEvent* event);

    // text converted and cut to the room left once removed characters of the edit go.
    QString fitted(const QString& text, qsizetype removed) const;
    // Pastes the clipboard's text fitted, as an undo step of its own; false, doing nothing,
    // when the text fits as it is and the edit's own paste serves.
    bool pasteFitted(QClipboard::Mode mode);
    void endUndoStep();

    QLineEdit* edit_;
    int maxChars_;
};
