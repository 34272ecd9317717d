#include "common/richtext/RtfSummary.h"

#include "common/richtext/RtfAlignment.h"
#include "common/richtext/RtfCharFormat.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QString describe(const RtfCharFormat& format) {
    QString text = QStringLiteral("[%1 %2").arg(format.family).arg(format.halfPoints / 2.0);
    if (format.bold) {
        text += QStringLiteral(" b");
    }
    if (format.italic) {
        text += QStringLiteral(" i");
    }
    if (format.underline) {
        text += QStringLiteral(" u");
    }
    if (format.strike) {
        text += QStringLiteral(" s");
    }
    if (format.color) {
        text += QLatin1Char(' ') + QColor(*format.color).name();
    }
    return text + QLatin1Char(']');
}

QString describe(RtfAlignment align) {
    switch (align) {
    case RtfAlignment::Center:
        return QStringLiteral("center");
    case RtfAlignment::Right:
        return QStringLiteral("right");
    case RtfAlignment::Justify:
        return QStringLiteral("justify");
    case RtfAlignment::Left:
        break;
    }
    return QStringLiteral("left");
}

} // namespace

namespace Rtf {

QString summary(const QTextDocument& document) {
    QString result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            result += QLatin1Char('\n');
        }
        result += describe(rtfAlignmentOf(block.blockFormat().alignment())) + QLatin1Char('|');
        std::optional<RtfCharFormat> last;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const RtfCharFormat format =
                RtfCharFormat::of(fragment.charFormat(), document.defaultFont());
            if (format != last) {
                result += describe(format);
                last = format;
            }
            result += fragment.text();
        }
    }
    return result;
}

} // namespace Rtf
