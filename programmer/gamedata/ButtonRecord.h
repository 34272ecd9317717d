#pragma once

#include "programmer/gamedata/OneBased.h"

#include <QString>
#include <QtGlobal>

// The programming of one controller button in one mode. A plain value: copying a record copies
// every field, and the copies are independent afterwards.
class ButtonRecord {
public:
    // The controller's memory for one button in one mode, in code bytes; also the most presses.
    static constexpr int MaxBytes = 14;
    static inline const QString BlankByte = QStringLiteral("FF");

    ButtonRecord();

    QString Description; // "" means not programmed in this mode
    QString KeyText;     // readable press names; derived, never stored in the game file
    qint16 NumKeyPresses = 0;

    // Length code of press k (1..14): tens digit modifier bytes, units digit key bytes.
    // 0 for an index out of range.
    qint16 KeyPressLen(int k) const { return keyPressLen_.value(k, 0); }
    void setKeyPressLen(int k, int lengthCode);

    // Code byte j (1..14) as two upper-case hex characters; "FF" for an index out of range.
    QString KeyCodeByte(int j) const { return keyCodeByte_.value(j, BlankByte); }
    // Always stores exactly two characters: a shorter text is padded with blanks, a longer one
    // cut.
    void setKeyCodeByte(int j, const QString& code);

    // The 14 code bytes back to back (28 characters).
    QString KeyCodes() const;

    // Code bytes used by a press with this length code: tens digit + units digit. A negative
    // code uses none, so a corrupt value can never shift later presses backwards.
    static int PressBytes(int lengthCode);

    // Code bytes used by presses 1..NumKeyPresses (at most 14 presses are counted).
    int BytesUsed() const;

    // NumKeyPresses limited to the 14 presses a record can hold; 0 when negative.
    int PressCount() const;

    bool operator==(const ButtonRecord&) const = default;

private:
    OneBased<qint16, MaxBytes> keyPressLen_;
    OneBased<QString, MaxBytes> keyCodeByte_;
};
