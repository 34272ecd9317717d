#pragma once

#include "common/dialogs/CommonDialog.h"

#include <QString>
#include <deque>
#include <memory>
#include <vector>

// Common dialogs for tests: records every dialog shown with what the caller had set, and
// answers from a queue. A dialog that finds the queue empty, or an answer queued for another
// kind of dialog, fails the test and counts as a cancel. Siblings share one queue and one
// record but hold properties of their own, as separate dialog objects of one program do.
class ScriptedCommonDialog : public CommonDialog {
public:
    enum class Kind { Open, Save, Font, Color, Folder };

    struct Shown {
        Kind kind;
        QString title;
        QString filter;
        QString initDir;
        QString fileName;
        QString defaultExt;
        int flags;
        QString fontName;
        double fontSize;
        int color;
    };

    struct FontChoice {
        QString name;
        double size = 10.0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
    };

    bool ShowOpen() override;
    bool ShowSave() override;
    bool ShowFont() override;
    bool ShowColor() override;
    bool ShowFolder() override;

    // The user picks this path (as typed: DefaultExt is added as the real dialog does).
    void queueOpen(const QString& path) { queue(Kind::Open, path); }
    void queueSave(const QString& path) { queue(Kind::Save, path); }
    void queueFolder(const QString& path) { queue(Kind::Folder, path); }
    void queueFont(const FontChoice& font);
    void queueColor(int colorRef);
    // The user cancels the next dialog, which must be of this kind.
    void queueCancel(Kind kind);

    // A dialog object of its own, every property fresh, answering from this one's queue.
    std::unique_ptr<ScriptedCommonDialog> sibling() const;

    const std::vector<Shown>& shown() const { return script_->shown; }
    const Shown& last() const { return script_->shown.back(); }
    std::size_t count() const { return script_->shown.size(); }
    std::size_t pendingAnswers() const { return script_->answers.size(); }

private:
    struct Answer {
        Kind kind;
        bool cancel = false;
        QString path;
        FontChoice font;
        int color = 0;
    };

    void queue(Kind kind, const QString& path);
    bool pickFile(Kind kind);
    // Records the call and hands out the next answer, or null for a cancel or a fault.
    const Answer* next(Kind kind);

    struct Script {
        std::deque<Answer> answers;
        std::vector<Shown> shown;
    };

    std::shared_ptr<Script> script_ = std::make_shared<Script>();
    Answer current_;
};
