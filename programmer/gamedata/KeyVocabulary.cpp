#include "programmer/gamedata/KeyVocabulary.h"

#include "common/platform/MessageBox.h"
#include "programmer/gamedata/HexDigits.h"

#include <array>

namespace {

struct KeyDef {
    const char* caption;
    const char* code;
    const char* name; // as FindKey gives it, with its trailing blank
};

// Indexed by on-screen key.
constexpr std::array<KeyDef, 102> Keys = {{
    {"0", "45", "0 "},
    {"1", "16", "1 "},
    {"2", "1E", "2 "},
    {"3", "26", "3 "},
    {"4", "25", "4 "},
    {"5", "2E", "5 "},
    {"6", "36", "6 "},
    {"7", "3D", "7 "},
    {"8", "3E", "8 "},
    {"9", "46", "9 "},
    {"0", "70", "KP0 "},
    {"1", "69", "KP1 "},
    {"2", "72", "KP2 "},
    {"3", "7A", "KP3 "},
    {"4", "6B", "KP4 "},
    {"5", "73", "KP5 "},
    {"6", "74", "KP6 "},
    {"7", "6C", "KP7 "},
    {"8", "75", "KP8 "},
    {"9", "7D", "KP9 "},
    {"a", "1C", "a "},
    {"b", "32", "b "},
    {"c", "21", "c "},
    {"d", "23", "d "},
    {"e", "24", "e "},
    {"f", "2B", "f "},
    {"g", "34", "g "},
    {"h", "33", "h "},
    {"i", "43", "i "},
    {"j", "3B", "j "},
    {"k", "42", "k "},
    {"l", "4B", "l "},
    {"m", "3A", "m "},
    {"n", "31", "n "},
    {"o", "44", "o "},
    {"p", "4D", "p "},
    {"q", "15", "q "},
    {"r", "2D", "r "},
    {"s", "1B", "s "},
    {"t", "2C", "t "},
    {"u", "3C", "u "},
    {"v", "2A", "v "},
    {"w", "1D", "w "},
    {"x", "22", "x "},
    {"y", "35", "y "},
    {"z", "1A", "z "},
    {"`", "0E", "` "},
    {"-", "4E", "- "},
    {"=", "55", "= "},
    {"\\", "5D", "\\ "},
    {"[", "54", "[ "},
    {"]", "5B", "] "},
    {";", "4C", "; "},
    {"'", "52", "' "},
    {"", "FF", "DLY "}, // no key: the delay step
    {",", "41", ", "},
    {".", "49", ". "},
    {"/", "4A", "/ "},
    {"Shift", "12", "LSHF "},
    {"Shift", "59", "RSHF "},
    {"Ctrl", "14", "LCTL "},
    {"Ctrl", "E014", "RCTL "},
    {"Alt", "11", "LALT "},
    {"Alt", "E011", "RALT "},
    {"Enter", "5A", "ENT "},
    {"Ent", "E05A", "KPENT "},
    {".", "71", "KP. "},
    {"+", "79", "KP+ "},
    {"-", "7B", "KP- "},
    {"*", "7C", "KP* "},
    {"/", "E04A", "KP/ "},
    {"F1", "05", "F1 "},
    {"F2", "06", "F2 "},
    {"F3", "04", "F3 "},
    {"F4", "0C", "F4 "},
    {"F5", "03", "F5 "},
    {"F6", "0B", "F6 "},
    {"F7", "83", "F7 "},
    {"F8", "0A", "F8 "},
    {"F9", "01", "F9 "},
    {"F10", "09", "F10 "},
    {"F11", "78", "F11 "},
    {"F12", "07", "F12 "},
    {"Esc", "76", "ESC "},
    {"Ins", "E070", "INS "},
    {"Home", "E06C", "HOME "},
    {"Pgup", "E07D", "PGUP "},
    {"Del", "E071", "DEL "},
    {"End", "E069", "END "},
    {"Pgdn", "E07A", "PGDN "},
    {"Tab", "0D", "TAB "},
    {"Caps", "58", "CAPS "},
    {"Spacebar", "29", "SPC "},
    {"NL", "77", "NUML "},
    {"^", "E075", "UArrow "},
    {"v", "E072", "DArrow "},
    {"<", "E06B", "LArrow "},
    {">", "E074", "RArrow "},
    {"Scrl", "7E", "SCRLCK "},
    {"Brk", "E11477E1F014F077", "BRK "},
    {"Prt", "E012E07C", "PRNTSCRN "},
    {"Bsp", "66", "BSP "},
}};

const KeyDef* KeyAt(int index) {
    if (index < KeyVocabulary::FirstKey || index > KeyVocabulary::LastKey) {
        return nullptr;
    }
    return &Keys[static_cast<std::size_t>(index)];
}

// The names of the one-byte codes and of the two-byte codes after "E0", by their last byte;
// nullptr where none. Built once: a game file's key texts look up some thousand codes.
struct CodeNames {
    std::array<const char*, 256> single{};
    std::array<const char*, 256> afterE0{};
};

bool IsExtended(QStringView code) {
    return code.size() == 4 && code.startsWith(u"E0");
}

const CodeNames& Names() {
    static const CodeNames names = [] {
        CodeNames all;
        for (const KeyDef& key : Keys) {
            const QString code = QString::fromLatin1(key.code);
            if (code.size() != 2 && !IsExtended(code)) {
                continue; // the longer codes are found whole
            }
            const auto value = static_cast<std::size_t>(
                HexDigits::UpperPair(code.at(code.size() - 2), code.back()));
            const char*& slot = (IsExtended(code) ? all.afterE0 : all.single)[value];
            if (slot == nullptr) {
                slot = key.name; // the first key of a code names it
            }
        }
        return all;
    }();
    return names;
}

// Name of a whole code ("1C", "E071", ...), compared exactly; nullptr when it has none.
const char* NameOfCode(QStringView code) {
    if (code.size() != 2 && !IsExtended(code)) {
        return nullptr;
    }
    const int value = HexDigits::UpperPair(code.at(code.size() - 2), code.back());
    if (value < 0) {
        return nullptr;
    }
    return (IsExtended(code) ? Names().afterE0 : Names().single)[static_cast<std::size_t>(value)];
}

// Appends "?", the unnamed pair, "? ".
void AppendUnknownPair(QString& text, QStringView pair) {
    text += u'?';
    text += pair;
    text += u"? ";
}

// GetModifier, appended to text: a key text is built in one string.
void AppendModifiers(QString& text, QStringView rest) {
    while (!rest.isEmpty()) {
        const QStringView pair = rest.left(2);
        int consumed = 2;
        if (pair == u"E0") {
            const QStringView four = rest.left(4);
            if (four == u"E011") {
                text += u"RALT ";
                consumed = 4;
            } else if (four == u"E014") {
                text += u"RCTL ";
                consumed = 4;
            } else {
                text += u"?E0? ";
            }
        } else if (pair == u"12") {
            text += u"SHF ";
        } else if (pair == u"14") {
            text += u"CTL ";
        } else if (pair == u"11") {
            text += u"ALT ";
        } else if (pair == u"59") {
            text += u"RSHF ";
        } else {
            AppendUnknownPair(text, pair);
        }
        rest = rest.mid(qMin<qsizetype>(consumed, rest.size()));
    }
}

const QString PrintScreen = QStringLiteral("E012E07C");
const QString Break = QStringLiteral("E11477E1F014F077");

} // namespace

QString KeyCaption(int index) {
    const KeyDef* key = KeyAt(index);
    return key != nullptr ? QString::fromLatin1(key->caption) : QString();
}

QString KeyScanCode(int index) {
    const KeyDef* key = KeyAt(index);
    return key != nullptr ? QString::fromLatin1(key->code) : QStringLiteral("FF");
}

QString GetModifier(const QString& ModifiersToFind) {
    QString result;
    AppendModifiers(result, ModifiersToFind);
    return result;
}

qsizetype NameChars(qsizetype codeChars) {
    return 3 * codeChars + 8;
}

void AppendKeyName(QString& result, QStringView codes, int NumScanCodes, MessageBox& messageBox) {
    int lengthCode = NumScanCodes;
    const qsizetype start = result.size();
    if (lengthCode > 9) {
        // A tens digit asking for more modifier bytes than there are takes what there is.
        const qsizetype modifierChars =
            qMin<qsizetype>(2 * qsizetype{lengthCode / 10}, codes.size());
        AppendModifiers(result, codes.left(modifierChars));
        codes = codes.mid(modifierChars);
        lengthCode %= 10;
    }

    if (2 * qsizetype{lengthCode} != codes.size()) {
        // Built in one string: a damaged file can have a hundred such presses.
        const QStringView before = u"Something's out of sync in working out what key's are what. "
                                   u"KeysToFind = '";
        const QStringView after = u"'. NumScanCodes = ";
        QString message;
        message.reserve(before.size() + codes.size() + after.size() + 12);
        message.append(before).append(codes).append(after);
        message.append(QString::number(lengthCode)).append(u'.');
        messageBox.MsgBox(message, MsgStyle::Exclamation, QStringLiteral("Error here Morwen"));
        result.truncate(start);
        result += u"error";
        return;
    }

    const qsizetype keyStart = result.size(); // the modifiers keep their trailing blank
    while (!codes.isEmpty()) {
        const QStringView pair = codes.left(2);
        qsizetype consumed = 2;
        if (pair == u"E0") {
            if (codes.startsWith(PrintScreen)) {
                result += QStringLiteral("PRNTSCRN ");
                consumed = PrintScreen.size();
            } else {
                const char* name = NameOfCode(codes.left(4));
                result += name != nullptr ? QLatin1String(name) : QLatin1String("?E0? ");
                consumed = 4;
            }
        } else if (pair == u"E1") {
            if (codes.startsWith(Break)) {
                result += QStringLiteral("BRK ");
                consumed = Break.size();
            } else {
                result += QStringLiteral("?E1? ");
            }
        } else {
            // Only a one-byte code can match a pair; "FF" is the delay step.
            if (const char* name = NameOfCode(pair)) {
                result += QLatin1String(name);
            } else {
                AppendUnknownPair(result, pair);
            }
        }
        codes = codes.mid(qMin(consumed, codes.size()));
    }

    if (result.size() > keyStart && result.endsWith(QLatin1Char(' '))) {
        result.chop(1);
    }
}

QString FindKey(const QString& KeysToFind, int NumScanCodes, MessageBox& messageBox) {
    QString result;
    result.reserve(NameChars(KeysToFind.size()));
    AppendKeyName(result, KeysToFind, NumScanCodes, messageBox);
    return result;
}
