#pragma once

#include "common/platform/MessageBox.h"

#include <QString>
#include <deque>
#include <vector>

// A message box for tests: records every box shown and answers from a queue. A box that finds
// the queue empty fails the test, so every box a test causes is one it expected.
class ScriptedMessageBox : public MessageBox {
public:
    struct Shown {
        QString text;
        int style;
        QString title;
    };

    int MsgBox(const QString& text, int style, const QString& title) override;

    void queueAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<Shown>& shown() const { return shown_; }
    const Shown& last() const { return shown_.back(); }
    std::size_t count() const { return shown_.size(); }
    std::size_t pendingAnswers() const { return answers_.size(); }
    void clear() {
        shown_.clear();
        answers_.clear();
    }

private:
    std::deque<int> answers_;
    std::vector<Shown> shown_;
};
