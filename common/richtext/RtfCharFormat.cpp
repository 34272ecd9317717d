#include "common/richtext/RtfCharFormat.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTextCharFormat>

#include <algorithm>
#include <cmath>

RtfCharFormat RtfCharFormat::of(const QTextCharFormat& format, const QFont& documentFont) {
    RtfCharFormat result;
    const QStringList families = format.fontFamilies().toStringList();
    const auto named = std::find_if(families.begin(), families.end(),
                                    [](const QString& family) { return !family.isEmpty(); });
    result.family = named != families.end() ? *named : documentFont.family();
    double points = format.fontPointSize();
    if (points <= 0) {
        points = documentFont.pointSizeF() > 0 ? documentFont.pointSizeF() : 12.0;
    }
    result.halfPoints =
        std::clamp(static_cast<int>(std::lround(points * 2)), kMinHalfPoints, kMaxHalfPoints);
    // The same threshold QFont::bold() uses.
    result.bold = format.fontWeight() > QFont::Medium;
    result.italic = format.fontItalic();
    result.underline = format.fontUnderline();
    result.strike = format.fontStrikeOut();
    if (format.foreground().style() != Qt::NoBrush) {
        result.color = format.foreground().color().rgb();
    }
    return result;
}

QTextCharFormat RtfCharFormat::toQt() const {
    QTextCharFormat format;
    if (!family.isEmpty()) {
        format.setFontFamilies({family});
    }
    format.setFontPointSize(halfPoints / 2.0);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    format.setFontStrikeOut(strike);
    if (color) {
        format.setForeground(QColor::fromRgb(*color));
    }
    return format;
}
