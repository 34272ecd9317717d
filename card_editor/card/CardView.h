#pragma once

class RichTextBox;

// What the card procedures need of the main window: its 35 boxes and the View menu's check
// marks, which are the card's view options.
class CardView {
public:
    static constexpr int BoxCount = 35;
    static constexpr int TitleBox = 34;

    virtual ~CardView() = default;

    virtual RichTextBox& RTFbtn(int index) = 0;
    // Whether the captions of mode m (0 to 4) are shown.
    virtual bool ViewCaptionChecked(int mode) const = 0;
    virtual void SetViewCaptionChecked(int mode, bool checked) = 0;
    // "Don't show repeat functions".
    virtual bool NoRepeatChecked() const = 0;
};
