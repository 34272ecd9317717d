#include "card_editor/card/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The text without blanks, cut where the number ends: sign, digits, fraction, exponent.
struct Scanned {
    std::string number;
    // Digits before the point, leading zeros not counted, and the exponent's value (capped):
    // together they tell an overflow from an underflow.
    long long wholeDigits = 0;
    long long exponent = 0;
};

Scanned scan(const QString& text) {
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c)) {
            compact.append(c);
        }
    }
    Scanned s;
    qsizetype i = 0;
    const qsizetype n = compact.size();
    if (i < n && (compact[i] == u'+' || compact[i] == u'-')) {
        if (compact[i] == u'-') {
            s.number += '-';
        }
        ++i;
    }
    bool anyDigit = false;
    bool leading = true;
    for (; i < n && isDigit(compact[i]); ++i) {
        anyDigit = true;
        if (compact[i] != u'0') {
            leading = false;
        }
        if (!leading) {
            ++s.wholeDigits;
        }
        s.number += char(compact[i].unicode());
    }
    if (i < n && compact[i] == u'.') {
        std::string fraction;
        for (++i; i < n && isDigit(compact[i]); ++i) {
            anyDigit = true;
            fraction += char(compact[i].unicode());
        }
        if (!fraction.empty()) {
            s.number += '.' + fraction;
        }
    }
    if (!anyDigit) {
        return Scanned{};
    }
    if (i < n && (compact[i] == u'e' || compact[i] == u'E')) {
        qsizetype j = i + 1;
        bool negative = false;
        if (j < n && (compact[j] == u'+' || compact[j] == u'-')) {
            negative = compact[j] == u'-';
            ++j;
        }
        std::string digits;
        long long value = 0;
        for (; j < n && isDigit(compact[j]); ++j) {
            digits += char(compact[j].unicode());
            value = std::min(value * 10 + (compact[j].unicode() - u'0'), 1'000'000'000LL);
        }
        if (!digits.empty()) {
            s.number += (negative ? "e-" : "e") + digits;
            s.exponent = negative ? -value : value;
        }
    }
    return s;
}

} // namespace

namespace LeadingNumber {

std::optional<double> value(const QString& text) {
    const Scanned s = scan(text);
    if (s.number.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const char* first = s.number.data();
    const auto [end, error] = std::from_chars(first, first + s.number.size(), value);
    if (error == std::errc()) {
        return value;
    }
    if (error == std::errc::result_out_of_range) {
        // Too small to tell from zero reads as zero; too large cannot be held.
        if (s.wholeDigits + s.exponent <= 0) {
            return 0.0;
        }
        return std::nullopt;
    }
    return 0.0;
}

std::optional<qint16> wholeNumber(const QString& text) {
    const std::optional<double> number = value(text);
    if (!number) {
        return std::nullopt;
    }
    const double v = std::floor(*number);
    if (!(v >= std::numeric_limits<qint16>::min() && v <= std::numeric_limits<qint16>::max())) {
        return std::nullopt;
    }
    return static_cast<qint16>(v);
}

} // namespace LeadingNumber
