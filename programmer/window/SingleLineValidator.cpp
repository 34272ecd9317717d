#include "programmer/window/SingleLineValidator.h"

#include "common/platform/Cp1252.h"
#include "programmer/window/StorableInput.h"

#include <QLineEdit>

#include <algorithm>

namespace {

bool isBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Two characters that stand for one: CR LF, or the halves of a character beyond the basic plane.
bool isPair(QChar first, QChar second) {
    return (first == u'\r' && second == u'\n') ||
           (first.isHighSurrogate() && second.isLowSurrogate());
}

} // namespace

SingleLineValidator::SingleLineValidator(int maxChars, QObject* parent)
    : QValidator(parent), maxChars_(maxChars) {}

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
    input = storable(input, &pos);
    // What is typed or pasted ends at the caret: its end is what goes beyond the limit.
    const qsizetype excess = maxChars_ > 0 ? input.size() - maxChars_ : 0;
    if (excess > 0) {
        const qsizetype from = std::max<qsizetype>(pos - excess, 0);
        input.remove(from, excess);
        pos = static_cast<int>(from);
    }
    return Acceptable;
}

QString SingleLineValidator::storable(const QString& text, int* pos) {
    if (std::none_of(text.begin(), text.end(), isBreak) && Cp1252::canEncode(text)) {
        return text;
    }
    QString result;
    result.reserve(text.size());
    int newPos = pos != nullptr ? *pos : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i + 1 < text.size() && isPair(c, text.at(i + 1))) {
            if (pos != nullptr && i < *pos) {
                --newPos;
            }
            ++i;
        }
        // What the character reads back as from its byte: itself, or "?" where it has none.
        result.append(isBreak(c) ? QChar(u' ')
                                 : QChar(Cp1252::toUnicode(static_cast<unsigned char>(
                                       Cp1252::fromUnicode(c.unicode())))));
    }
    if (pos != nullptr) {
        *pos = newPos;
    }
    return result;
}

void SingleLineValidator::install(QLineEdit* edit, int maxChars) {
    // The limit is kept here, not by the edit, which counts the two halves of a character beyond
    // the basic plane. Typed, pasted and dropped text arrives converted and fitting; the validator
    // converts what the program sets, and would clear the undo history doing so for the user.
    edit->setValidator(new SingleLineValidator(maxChars, edit));
    new StorableInput(edit, maxChars);
}
