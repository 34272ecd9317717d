#include "programmer/gamedata/KeyVocabulary.h"
#include "programmer/gamedata/GameData.h"
#include "programmer/gamedata/tests/GameDataFixture.h"

#include <gtest/gtest.h>

#include <QSet>
#include <vector>

namespace {

struct Key {
    int index;
    QString code;
    QString name; // without the trailing blank FindKey removes
};

// Index, scan code and name of every on-screen key, as the controller's users know them.
const char* const KeyTable = R"(
0 45 0|1 16 1|2 1E 2|3 26 3|4 25 4|5 2E 5|6 36 6|7 3D 7|8 3E 8|9 46 9
10 70 KP0|11 69 KP1|12 72 KP2|13 7A KP3|14 6B KP4|15 73 KP5|16 74 KP6|17 6C KP7|18 75 KP8
19 7D KP9|20 1C a|21 32 b|22 21 c|23 23 d|24 24 e|25 2B f|26 34 g|27 33 h|28 43 i|29 3B j
30 42 k|31 4B l|32 3A m|33 31 n|34 44 o|35 4D p|36 15 q|37 2D r|38 1B s|39 2C t|40 3C u
41 2A v|42 1D w|43 22 x|44 35 y|45 1A z|46 0E `|47 4E -|48 55 =|49 5D \|50 54 [|51 5B ]
52 4C ;|53 52 '|54 FF DLY|55 41 ,|56 49 .|57 4A /|58 12 LSHF|59 59 RSHF|60 14 LCTL
61 E014 RCTL|62 11 LALT|63 E011 RALT|64 5A ENT|65 E05A KPENT|66 71 KP.|67 79 KP+|68 7B KP-
69 7C KP*|70 E04A KP/|71 05 F1|72 06 F2|73 04 F3|74 0C F4|75 03 F5|76 0B F6|77 83 F7
78 0A F8|79 01 F9|80 09 F10|81 78 F11|82 07 F12|83 76 ESC|84 E070 INS|85 E06C HOME
86 E07D PGUP|87 E071 DEL|88 E069 END|89 E07A PGDN|90 0D TAB|91 58 CAPS|92 29 SPC|93 77 NUML
94 E075 UArrow|95 E072 DArrow|96 E06B LArrow|97 E074 RArrow|98 7E SCRLCK
99 E11477E1F014F077 BRK|100 E012E07C PRNTSCRN|101 66 BSP)";

std::vector<Key> Keys() {
    std::vector<Key> keys;
    const QString table = QString::fromLatin1(KeyTable).replace('\n', '|');
    for (const QString& row : table.split('|', Qt::SkipEmptyParts)) {
        const QStringList f = row.trimmed().split(' ');
        keys.push_back({f[0].toInt(), f[1], f[2]});
    }
    return keys;
}

using KeyVocabularyTest = GameDataFixture;

TEST_F(KeyVocabularyTest, EveryOnScreenKeyGivesItsScanCode) {
    const std::vector<Key> keys = Keys();
    ASSERT_EQ(keys.size(), 102u);
    for (int i = 0; i <= 101; ++i) {
        EXPECT_EQ(keys[static_cast<std::size_t>(i)].index, i);
        data.CurrentKeyCodes = "stale";
        data.GetKeystrings(i);
        EXPECT_EQ(data.CurrentKeyCodes, keys[static_cast<std::size_t>(i)].code) << "key " << i;
    }
    for (int none : {54, 102, -1, 32767, -32768}) {
        data.GetKeystrings(none);
        EXPECT_EQ(data.CurrentKeyCodes, "FF") << none;
    }
}

TEST_F(KeyVocabularyTest, CaptionsOfTheOnScreenKeys) {
    const struct {
        int index;
        QString caption;
    } cases[] = {{0, "0"},      {10, "0"},    {20, "a"},    {46, "`"},        {49, "\\"}, {54, ""},
                 {58, "Shift"}, {61, "Ctrl"}, {65, "Ent"},  {92, "Spacebar"}, {94, "^"},  {95, "v"},
                 {99, "Brk"},   {100, "Prt"}, {101, "Bsp"}, {102, ""},        {-1, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(KeyCaption(c.index), c.caption) << c.index;
    }
}

TEST_F(KeyVocabularyTest, EveryCodeIsNamedAndCodesAreUnique) {
    QSet<QString> codes;
    for (const Key& key : Keys()) {
        EXPECT_FALSE(codes.contains(key.code)) << key.code.toStdString();
        codes.insert(key.code);
        // A key alone is one press of its own bytes.
        const int bytes = static_cast<int>(key.code.size() / 2);
        EXPECT_EQ(data.FindKey(key.code, bytes), key.name) << "key " << key.index;
        // Twice in one press: the two names stand one blank apart.
        if (2 * bytes <= 9) {
            EXPECT_EQ(data.FindKey(key.code + key.code, 2 * bytes), key.name + ' ' + key.name);
        }
    }
    EXPECT_EQ(box.count(), 0u);
}

TEST_F(KeyVocabularyTest, ModifierBytesAreNamedInOrder) {
    const struct {
        QString in, out;
    } cases[] = {
        {"", ""},
        {"12", "SHF "},
        {"14", "CTL "},
        {"11", "ALT "},
        {"59", "RSHF "},
        {"E011", "RALT "},
        {"E014", "RCTL "},
        {"E014E011", "RCTL RALT "},
        {"121411", "SHF CTL ALT "},
        {"E012", "?E0? SHF "}, // an unknown E0 pair drops only "E0"
        {"E0", "?E0? "},
        {"E01", "?E0? ?1? "},
        {"1C", "?1C? "},
        {"e011", "?e0? ALT "},
        {"1", "?1? "},
        {"12E", "SHF ?E? "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetModifier(c.in), c.out) << c.in.toStdString();
    }
}

TEST_F(KeyVocabularyTest, PressesWithModifiersSpecialAndUnknownCodes) {
    const struct {
        QString keys;
        int length;
        QString name;
    } cases[] = {
        {"121C", 11, "SHF a"},
        {"1C", 1, "a"},
        {"E014E011E071", 42, "RCTL RALT DEL"},
        {"1411E071", 22, "CTL ALT DEL"},
        {"12E012E07C", 14, "SHF PRNTSCRN"},
        {"E012E07C", 4, "PRNTSCRN"},
        {"E11477E1F014F077", 8, "BRK"},
        {"FF", 1, "DLY"},
        {"1C1BFF", 3, "a s DLY"},
        {"12", 10, "SHF "}, // modifiers only keep the prefix's blank
        {"E014", 20, "RCTL "},
        {"", 0, ""},
        {"AB", 1, "?AB?"},
        {"E0AB", 2, "?E0?"},
        {"E012", 2, "?E0?"}, // half of Print Screen
        {"E012E07D", 4, "?E0? PGUP"},
        {"E1", 1, "?E1?"},
        {"E11477E1", 4, "?E1? LCTL NUML ?E1?"},
        {"1c", 1, "?1c?"}, // lower case is not a code
        {"e071", 2, "?e0? KP."},
        {"zz", 1, "?zz?"},
        {"1D1C", 11, "?1D? a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(data.FindKey(c.keys, c.length), c.name) << c.keys.toStdString();
    }
    EXPECT_EQ(box.count(), 0u);
}

TEST_F(KeyVocabularyTest, LengthCodeThatDisagreesGivesErrorAndTellsTheUser) {
    const struct {
        QString keys;
        int length;
        QString shownKeys, shownLength; // the part left after the modifiers
    } cases[] = {
        {"1C1B", 1, "1C1B", "1"},
        {"1C", 2, "1C", "2"},
        {"1C", 0, "1C", "0"},
        {"121C", 12, "1C", "2"},
        {"1C", 31, "", "1"}, // tens digit asks for more bytes than there
                             // are
        {"1C", -1, "1C", "-1"},
        {"", -4, "", "-4"},
        {"121", 11, "1", "1"}, // odd text
        {"1C1B1A", 123, "", "3"},
    };
    for (const auto& c : cases) {
        box.clear();
        box.queueAnswer(MsgAnswer::Ok);
        EXPECT_EQ(data.FindKey(c.keys, c.length), "error") << c.keys.toStdString();
        ASSERT_EQ(box.count(), 1u);
        EXPECT_EQ(box.last().title, "Error here Morwen");
        EXPECT_EQ(box.last().style, 48);
        EXPECT_EQ(box.last().text,
                  "Something's out of sync in working out what key's are what. KeysToFind = '" +
                      c.shownKeys + "'. NumScanCodes = " + c.shownLength + ".");
    }
}

TEST_F(KeyVocabularyTest, TheCallersTextIsNotChanged) {
    const QString keys = "121C";
    const int length = 11;
    EXPECT_EQ(data.FindKey(keys, length), "SHF a");
    EXPECT_EQ(keys, "121C");
}

} // namespace
