#include "card_editor/card/DialogNumber.h"

#include <cmath>

namespace DialogNumber {

std::optional<qint16> read(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    for (; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
    }
    if (i < n && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i) {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10;
        }
    }
    const double floored = std::floor(negative ? -value : value);
    if (!(floored >= -32768.0 && floored <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<qint16>(floored);
}

} // namespace DialogNumber
