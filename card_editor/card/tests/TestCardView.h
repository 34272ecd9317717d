#pragma once

#include "card_editor/card/CardView.h"
#include "common/richtext/RichTextBox.h"

#include <array>
#include <memory>

// The 35 boxes and view options of a card, without the window.
class TestCardView : public CardView {
public:
    TestCardView() {
        for (auto& box : boxes) {
            box = std::make_unique<RichTextBox>();
        }
    }

    RichTextBox& RTFbtn(int index) override { return *boxes.at(index); }
    bool ViewCaptionChecked(int mode) const override { return shown.at(mode); }
    void SetViewCaptionChecked(int mode, bool checked) override { shown.at(mode) = checked; }
    bool NoRepeatChecked() const override { return noRepeat; }

    std::array<std::unique_ptr<RichTextBox>, BoxCount> boxes;
    std::array<bool, 5> shown{};
    bool noRepeat = true;
};
