#pragma once

#include <QString>

struct CardDocument;
class CardView;
class RichTextBox;

// Lays the captions into the card boxes: one centred line per shown mode in the mode's style,
// the lowest row for the chosen mode of buttons 5 to 10, the game name in the title box.
namespace BoxContent {

// Paragraph alignment code of a centred line.
constexpr int Centred = 2;

// Rebuilds boxes 0 to 33 from the captions, the view options and BottomRow.
void RefreshTemplate(const CardDocument& doc, CardView& view);

// Gives the selection, or the text typed next, the formatting of style 1 to 6.
void ApplyStyle(const CardDocument& doc, RichTextBox& box, int style);

// Puts the caret at the end of the box, with alignment and the style (1 to 6) for the text
// inserted next.
void SetupFont(const CardDocument& doc, RichTextBox& box, int alignment, int style);

// Checks all five modes and rebuilds.
void ShowAll(const CardDocument& doc, CardView& view);

// Sets the title box to the text, as one centred text in the title style.
void SetTitle(const CardDocument& doc, RichTextBox& titleBox, const QString& title);

} // namespace BoxContent
