#pragma once

#include <QValidator>

class QLineEdit;

// Keeps a line edit to what one line of a game file holds, one byte per character, so that
// the box shows what is saved: line breaks in pasted or dropped text become blanks as they
// arrive, and a character the file's code page lacks becomes "?" as it is typed or pasted.
class SingleLineValidator : public QValidator {
    Q_OBJECT

public:
    explicit SingleLineValidator(int maxChars = 0, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    // text with each line break (CR LF, CR, LF or a Unicode line or paragraph separator)
    // replaced by one blank and each character outside Windows-1252 (a surrogate pair being
    // one) by one "?"; pos, when given, follows the text it stood after.
    static QString storable(const QString& text, int* pos = nullptr);

    // Gives edit a validator of this kind and converts its input as it arrives, both owned by
    // the edit; maxChars, when above 0, is the most characters it takes, a character beyond the
    // basic plane counting as one.
    static void install(QLineEdit* edit, int maxChars = 0);

private:
    int maxChars_ = 0;
};
