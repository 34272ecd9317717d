#include "programmer/window/SingleLineValidator.h"

#include <QLineEdit>

#include <algorithm>

namespace {

bool isBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
    input = blanked(input, &pos);
    return Acceptable;
}

QString SingleLineValidator::blanked(const QString& text, int* pos) {
    if (std::none_of(text.begin(), text.end(), isBreak)) {
        return text;
    }
    QString result;
    result.reserve(text.size());
    int newPos = pos != nullptr ? *pos : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            // One blank for the pair.
            if (pos != nullptr && i < *pos) {
                --newPos;
            }
            continue;
        }
        result.append(isBreak(c) ? QChar(u' ') : c);
    }
    if (pos != nullptr) {
        *pos = newPos;
    }
    return result;
}

void SingleLineValidator::install(QLineEdit* edit) {
    edit->setValidator(new SingleLineValidator(edit));
}
