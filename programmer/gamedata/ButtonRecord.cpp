#include "programmer/gamedata/ButtonRecord.h"

#include <algorithm>
#include <limits>

ButtonRecord::ButtonRecord() {
    keyCodeByte_.fill(BlankByte);
}

void ButtonRecord::setKeyPressLen(int k, int lengthCode) {
    // The field is 16-bit; clamp rather than wrap a value read from outside.
    const int clamped = std::clamp(lengthCode, int{std::numeric_limits<qint16>::min()},
                                   int{std::numeric_limits<qint16>::max()});
    keyPressLen_.set(k, static_cast<qint16>(clamped));
}

void ButtonRecord::setKeyCodeByte(int j, const QString& code) {
    if (code.size() == 2) {
        keyCodeByte_.set(j, code); // nearly always: shared, not copied
    } else {
        keyCodeByte_.set(j, code.left(2).leftJustified(2, QLatin1Char(' ')));
    }
}

QString ButtonRecord::KeyCodes() const {
    QString joined;
    joined.reserve(2 * MaxBytes);
    for (const QString& code : keyCodeByte_) {
        joined += code;
    }
    return joined;
}

int ButtonRecord::PressBytes(int lengthCode) {
    if (lengthCode < 0) {
        return 0;
    }
    return lengthCode / 10 + lengthCode % 10;
}

int ButtonRecord::PressCount() const {
    return std::clamp(int{NumKeyPresses}, 0, MaxBytes);
}

int ButtonRecord::BytesUsed() const {
    int used = 0;
    for (int k = 1; k <= PressCount(); ++k) {
        used += PressBytes(KeyPressLen(k));
    }
    return used;
}
