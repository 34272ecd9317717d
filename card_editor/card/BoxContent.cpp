#include "card_editor/card/BoxContent.h"

#include "card_editor/card/CardDocument.h"
#include "card_editor/card/CardView.h"
#include "common/richtext/RichTextBox.h"

namespace BoxContent {

namespace {

// Lowest-row buttons and the offset from a button number to its lowest-row box.
constexpr int FirstLowButton = 5;
constexpr int LastLowButton = 10;
constexpr int LowRowBoxOffset = 23;
// Largest point size a box accepts; larger sizes from a damaged settings file are refused.
constexpr int LargestFontSize = 1638;

} // namespace

void ApplyStyle(const CardDocument& doc, RichTextBox& box, int style) {
    if (style < 1 || style > StyleCount) {
        return;
    }
    box.setSelFontName(doc.StyleFontName[style]);
    const int size = doc.StyleFontSize[style];
    if (size >= 1 && size <= LargestFontSize) {
        box.setSelFontSize(size);
    }
    box.setSelBold(doc.StyleFontBold[style] != 0);
    box.setSelItalic(doc.StyleFontItalic[style] != 0);
    box.setSelUnderline(doc.StyleFontUnderline[style] != 0);
    box.setSelColor(static_cast<std::uint32_t>(doc.StyleFontColour[style]) & 0xFFFFFFu);
}

namespace {

// Adds the caption of mode m for one button as a new line of the box.
void appendCaption(const CardDocument& doc, CardView& view, RichTextBox& box, int mode,
                   int button) {
    if (!view.ViewCaptionChecked(mode)) {
        return;
    }
    const QString& caption = doc.captions.at(mode, button);
    if (caption.isEmpty()) {
        return;
    }
    const QString text = box.Text();
    if (!text.isEmpty()) {
        // A caption the box already holds anywhere, in any letter case, is not repeated.
        if (view.NoRepeatChecked() && text.toLower().contains(caption.toLower())) {
            return;
        }
        box.setSelStart(static_cast<int>(text.size()));
        box.setSelText(QStringLiteral("\r\n"));
    }
    SetupFont(doc, box, Centred, mode + 1);
    box.setSelText(caption);
}

} // namespace

void SetupFont(const CardDocument& doc, RichTextBox& box, int alignment, int style) {
    box.setSelStart(static_cast<int>(box.Text().size()));
    box.setSelLength(0);
    box.setSelAlignment(alignment);
    ApplyStyle(doc, box, style);
}

void RefreshTemplate(const CardDocument& doc, CardView& view) {
    for (int button = 1; button <= ButtonCount; ++button) {
        RichTextBox& buttonBox = view.RTFbtn(button - 1);
        if (button < FirstLowButton || button > LastLowButton) {
            buttonBox.setText(QString());
            for (int m = 0; m < ModeCount; ++m) {
                appendCaption(doc, view, buttonBox, m, button);
            }
            continue;
        }
        RichTextBox& lowBox = view.RTFbtn(button + LowRowBoxOffset);
        lowBox.setText(QString());
        if (doc.BottomRow < 0 || doc.BottomRow > NoBottomRowMode) {
            continue; // no such mode: the button box keeps what it had
        }
        buttonBox.setText(QString());
        for (int m = 0; m < ModeCount; ++m) {
            appendCaption(doc, view, m == doc.BottomRow ? lowBox : buttonBox, m, button);
        }
    }
}

void ShowAll(const CardDocument& doc, CardView& view) {
    for (int m = 0; m < ModeCount; ++m) {
        view.SetViewCaptionChecked(m, true);
    }
    RefreshTemplate(doc, view);
}

void SetTitle(const CardDocument& doc, RichTextBox& titleBox, const QString& title) {
    titleBox.setText(QString());
    titleBox.setSelAlignment(Centred);
    titleBox.setSelStart(0);
    ApplyStyle(doc, titleBox, TitleStyle);
    titleBox.setText(title);
}

} // namespace BoxContent
