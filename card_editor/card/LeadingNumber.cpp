#include "card_editor/card/LeadingNumber.h"

#include <cmath>
#include <limits>

namespace LeadingNumber {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

double value(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c)) {
            s.append(c);
        }
    }
    qsizetype i = 0;
    QString number;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        number.append(s[i++]);
    }
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) {
        number.append(s[i++]);
        digits = true;
    }
    if (i < s.size() && s[i] == u'.') {
        number.append(s[i++]);
        while (i < s.size() && isDigit(s[i])) {
            number.append(s[i++]);
            digits = true;
        }
    }
    if (!digits) {
        return 0;
    }
    // An exponent counts only when digits follow it.
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) {
            exponent.append(s[j++]);
        }
        const qsizetype firstDigit = j;
        while (j < s.size() && isDigit(s[j])) {
            exponent.append(s[j++]);
        }
        if (j > firstDigit) {
            number.append(exponent);
        }
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    if (!ok) {
        // Beyond the range of doubles: as large as it gets, with its sign; too small: 0.
        const double inf = std::numeric_limits<double>::infinity();
        const bool tiny = number.contains(QStringLiteral("e-"));
        return tiny ? 0.0 : (number.startsWith(u'-') ? -inf : inf);
    }
    return v;
}

std::optional<qint16> wholeNumber(const QString& text) {
    const double v = std::floor(value(text));
    if (!(v >= std::numeric_limits<qint16>::min() && v <= std::numeric_limits<qint16>::max())) {
        return std::nullopt;
    }
    return static_cast<qint16>(v);
}

} // namespace LeadingNumber
