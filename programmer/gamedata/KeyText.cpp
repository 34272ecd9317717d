#include "programmer/gamedata/KeyText.h"

#include "programmer/gamedata/ButtonRecord.h"
#include "programmer/gamedata/KeyVocabulary.h"

QStringList KeyPressNames(const ButtonRecord& record, MessageBox& messageBox) {
    QStringList names;
    if (record.PressCount() == 0) {
        return names; // most records of a game; their code bytes need not be joined
    }
    const QString joined = record.KeyCodes();
    QStringView codes(joined);
    for (int k = 1; k <= record.PressCount(); ++k) {
        const int lengthCode = record.KeyPressLen(k);
        const qsizetype chars = 2 * qsizetype{ButtonRecord::PressBytes(lengthCode)};
        names.append(FindKey(codes.left(chars).toString(), lengthCode, messageBox));
        codes = codes.mid(qMin(chars, codes.size()));
    }
    return names;
}

QString KeyTextOf(const ButtonRecord& record, MessageBox& messageBox) {
    return KeyPressNames(record, messageBox).join(QLatin1Char(' '));
}
