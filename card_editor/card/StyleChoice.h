#pragma once

#include <QString>

struct CardDocument;

// What the preferences make of a style: its sample text, and the font or colour a dialog chose.
namespace StyleChoice {

// "Arial, 10, Bold, Italic, Underlined": the name and size, then each effect that is on.
QString sampleText(const CardDocument& doc, int style);

// Takes a chosen font into style 1 to 6. The size is rounded to a whole point, halves to the
// even number; a size no box can show keeps the old one.
void takeFont(CardDocument& doc, int style, const QString& name, double size, bool bold,
              bool italic, bool underline);

} // namespace StyleChoice
