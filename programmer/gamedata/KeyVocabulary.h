#pragma once

#include <QString>
#include <QStringView>

class MessageBox;

// The keys of the on-screen keyboard (indices 0..101; 54 has no key) and the names of the
// PS/2 set 2 scan codes they stand for.
namespace KeyVocabulary {
constexpr int FirstKey = 0;
constexpr int LastKey = 101;
constexpr int NoKey = 54;
} // namespace KeyVocabulary

// Caption of on-screen key index; "" for index 54 and any index outside 0..101.
QString KeyCaption(int index);

// Scan code of on-screen key index as upper-case hex text; "FF" for 54 and out of range.
QString KeyScanCode(int index);

// Names of the modifier bytes in ModifiersToFind, in order, each ending in one blank.
QString GetModifier(const QString& ModifiersToFind);

// Readable names of one key press: KeysToFind its code text (modifier bytes first),
// NumScanCodes its length code. Returns "error" and tells the user when the two disagree.
QString FindKey(const QString& KeysToFind, int NumScanCodes, MessageBox& messageBox);

// Room enough for the names of codeChars characters of codes: at most two and a half characters
// per code character ("?12? "), and an "error".
qsizetype NameChars(qsizetype codeChars);

// FindKey's names appended to text: a record's key text is built in one string.
void AppendKeyName(QString& text, QStringView codes, int NumScanCodes, MessageBox& messageBox);
