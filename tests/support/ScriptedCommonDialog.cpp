#include "tests/support/ScriptedCommonDialog.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const char* kindName(ScriptedCommonDialog::Kind kind) {
    switch (kind) {
    case ScriptedCommonDialog::Kind::Open:
        return "open";
    case ScriptedCommonDialog::Kind::Save:
        return "save";
    case ScriptedCommonDialog::Kind::Font:
        return "font";
    case ScriptedCommonDialog::Kind::Color:
        return "colour";
    case ScriptedCommonDialog::Kind::Folder:
        return "folder";
    }
    return "?";
}

} // namespace

std::unique_ptr<ScriptedCommonDialog> ScriptedCommonDialog::sibling() const {
    auto other = std::make_unique<ScriptedCommonDialog>();
    other->script_ = script_;
    return other;
}

void ScriptedCommonDialog::queue(Kind kind, const QString& path) {
    Answer answer;
    answer.kind = kind;
    answer.path = path;
    script_->answers.push_back(answer);
}

void ScriptedCommonDialog::queueFont(const FontChoice& font) {
    Answer answer;
    answer.kind = Kind::Font;
    answer.font = font;
    script_->answers.push_back(answer);
}

void ScriptedCommonDialog::queueColor(int colorRef) {
    Answer answer;
    answer.kind = Kind::Color;
    answer.color = colorRef;
    script_->answers.push_back(answer);
}

void ScriptedCommonDialog::queueCancel(Kind kind) {
    Answer answer;
    answer.kind = kind;
    answer.cancel = true;
    script_->answers.push_back(answer);
}

const ScriptedCommonDialog::Answer* ScriptedCommonDialog::next(Kind kind) {
    script_->shown.push_back({kind, DialogTitle, Filter, InitDir, FileName, DefaultExt, Flags,
                              FontName, FontSize, Color});
    std::deque<Answer>& answers = script_->answers;
    if (answers.empty()) {
        ADD_FAILURE() << "Unexpected " << kindName(kind)
                      << " dialog: " << DialogTitle.toStdString();
        return nullptr;
    }
    current_ = answers.front();
    answers.pop_front();
    if (current_.kind != kind) {
        ADD_FAILURE() << "A " << kindName(kind) << " dialog was shown where a "
                      << kindName(current_.kind) << " dialog was expected";
        return nullptr;
    }
    return current_.cancel ? nullptr : &current_;
}

bool ScriptedCommonDialog::pickFile(Kind kind) {
    const Answer* answer = next(kind);
    if (answer == nullptr) {
        return false;
    }
    acceptFile(answer->path);
    return true;
}

bool ScriptedCommonDialog::ShowOpen() {
    return pickFile(Kind::Open);
}

bool ScriptedCommonDialog::ShowSave() {
    return pickFile(Kind::Save);
}

bool ScriptedCommonDialog::ShowFont() {
    const Answer* answer = next(Kind::Font);
    if (answer == nullptr) {
        return false;
    }
    FontName = answer->font.name;
    FontSize = answer->font.size;
    FontBold = answer->font.bold;
    FontItalic = answer->font.italic;
    FontUnderline = answer->font.underline;
    return true;
}

bool ScriptedCommonDialog::ShowColor() {
    const Answer* answer = next(Kind::Color);
    if (answer == nullptr) {
        return false;
    }
    Color = answer->color;
    return true;
}

bool ScriptedCommonDialog::ShowFolder() {
    const Answer* answer = next(Kind::Folder);
    if (answer == nullptr) {
        return false;
    }
    FolderName = answer->path;
    return true;
}
