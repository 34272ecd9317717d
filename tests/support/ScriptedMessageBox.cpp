#include "tests/support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

int ScriptedMessageBox::MsgBox(const QString& text, int style, const QString& title) {
    shown_.push_back({text, style, title});
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    // Every box a test causes must be expected: an unplanned box is a fault.
    ADD_FAILURE() << "Unexpected message box: " << title.toStdString() << " / "
                  << text.toStdString();
    return (style & 0x0F) == 3   ? MsgAnswer::Cancel
           : (style & 0x0F) == 4 ? MsgAnswer::No
                                 : MsgAnswer::Ok;
}
