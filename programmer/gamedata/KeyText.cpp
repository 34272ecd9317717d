#include "programmer/gamedata/KeyText.h"

#include "programmer/gamedata/ButtonRecord.h"
#include "programmer/gamedata/KeyVocabulary.h"

namespace {

// Calls name(codes, lengthCode) for each press with the press's slice of the code bytes.
template <typename Name> void ForEachPress(const ButtonRecord& record, Name name) {
    if (record.PressCount() == 0) {
        return; // most records of a game; their code bytes need not be joined
    }
    const QString joined = record.KeyCodes();
    QStringView codes(joined);
    for (int k = 1; k <= record.PressCount(); ++k) {
        const int lengthCode = record.KeyPressLen(k);
        const qsizetype chars = 2 * qsizetype{ButtonRecord::PressBytes(lengthCode)};
        name(codes.left(chars), lengthCode);
        codes = codes.mid(qMin(chars, codes.size()));
    }
}

} // namespace

QStringList KeyPressNames(const ButtonRecord& record, MessageBox& messageBox) {
    QStringList names;
    ForEachPress(record, [&](QStringView codes, int lengthCode) {
        names.append(QString());
        AppendKeyName(names.back(), codes, lengthCode, messageBox);
    });
    return names;
}

// Built in one string: opening a game names every press of its 140 records.
QString KeyTextOf(const ButtonRecord& record, MessageBox& messageBox) {
    QString text;
    bool first = true;
    ForEachPress(record, [&](QStringView codes, int lengthCode) {
        if (first) {
            text.reserve(NameChars(2 * ButtonRecord::MaxBytes) + ButtonRecord::MaxBytes);
        } else {
            text += u' '; // also after a press with no name
        }
        first = false;
        AppendKeyName(text, codes, lengthCode, messageBox);
    });
    return text;
}
