#pragma once

#include <QValidator>

class QLineEdit;

// Keeps a line edit to one line: line breaks in pasted or dropped text become blanks as they
// arrive, so no game-file field can ever hold one.
class SingleLineValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;

    // text with each line break (CR LF, CR, LF or a Unicode line or paragraph separator)
    // replaced by one blank; pos, when given, follows the text it stood after.
    static QString blanked(const QString& text, int* pos = nullptr);

    // Gives edit a validator of this kind, owned by the edit.
    static void install(QLineEdit* edit);
};
