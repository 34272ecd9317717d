#include "card_editor/card/StyleChoice.h"

#include "card_editor/card/CardDocument.h"

#include <cmath>

namespace StyleChoice {

namespace {

// A style flag as the settings hold it: -1 on, 0 off.
qint16 flag(bool on) {
    return on ? qint16(-1) : qint16(0);
}

bool validStyle(int style) {
    return style >= 1 && style <= StyleCount;
}

} // namespace

QString sampleText(const CardDocument& doc, int style) {
    if (!validStyle(style)) {
        return QString();
    }
    QString text =
        doc.StyleFontName[style] + QStringLiteral(", ") + QString::number(doc.StyleFontSize[style]);
    if (doc.StyleFontBold[style] == -1) {
        text += QStringLiteral(", Bold");
    }
    if (doc.StyleFontItalic[style] == -1) {
        text += QStringLiteral(", Italic");
    }
    if (doc.StyleFontUnderline[style] == -1) {
        text += QStringLiteral(", Underlined");
    }
    return text;
}

void takeFont(CardDocument& doc, int style, const QString& name, double size, bool bold,
              bool italic, bool underline) {
    if (!validStyle(style)) {
        return;
    }
    doc.StyleFontName[style] = name;
    // nearbyint rounds halves to the even number under the default rounding mode.
    const double rounded = std::nearbyint(size);
    if (std::isfinite(rounded) && rounded >= 1 && rounded <= 32767) {
        doc.StyleFontSize[style] = static_cast<qint16>(rounded);
    }
    doc.StyleFontBold[style] = flag(bold);
    doc.StyleFontItalic[style] = flag(italic);
    doc.StyleFontUnderline[style] = flag(underline);
}

} // namespace StyleChoice
