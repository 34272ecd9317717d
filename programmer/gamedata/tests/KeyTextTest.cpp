#include "programmer/gamedata/GameData.h"
#include "programmer/gamedata/KeyVocabulary.h"
#include "programmer/gamedata/tests/GameDataFixture.h"

#include <gtest/gtest.h>

#include <QHash>
#include <vector>

namespace {

// One press as the on-screen keyboard stores it: chord bytes, then the key's bytes.
struct Press {
    QString modifiers;
    int key;
};

// Stores the presses in record the way key entry does; returns their names as a user reads
// them.
QStringList Program(ButtonRecord& record, const std::vector<Press>& presses) {
    static const QHash<QString, QString> modifierName = {
        {"12", "SHF "}, {"14", "CTL "}, {"11", "ALT "}, {"E014", "RCTL "}, {"E011", "RALT "}};
    record = ButtonRecord{};
    QStringList names;
    int byte = 0;
    for (const Press& p : presses) {
        const QString code = p.modifiers + KeyScanCode(p.key);
        for (int i = 0; i < code.size(); i += 2) {
            record.setKeyCodeByte(++byte, code.mid(i, 2));
        }
        record.NumKeyPresses++;
        record.setKeyPressLen(
            record.NumKeyPresses,
            static_cast<int>(p.modifiers.size() / 2 * 10 + KeyScanCode(p.key).size() / 2));
        names << modifierName.value(p.modifiers) + KeyCaption(p.key);
    }
    return names;
}

using KeyTextTest = GameDataFixture;

TEST_F(KeyTextTest, EveryRecordOfEveryModeGetsItsPressesSeparatedByOneBlank) {
    // Letters a..z and digits keep their caption as name, so expected texts read naturally.
    const QString modifiers[] = {"", "12", "14", "E014", "E011"};
    std::vector<QString> expected;
    for (int m = 1; m <= 5; ++m) {
        for (int r = 1; r <= 28; ++r) {
            std::vector<Press> presses;
            const int count = (m * 7 + r) % 5; // 0 to 4 presses
            for (int k = 0; k < count; ++k) {
                const int key = 20 + (m * 5 + r * 3 + k * 11) % 26;
                presses.push_back({k == 0 ? modifiers[(m + r) % 5] : QString(), key});
            }
            ButtonRecord& record = *data.Record(m, r);
            expected.push_back(Program(record, presses).join(' '));
            record.KeyText = "stale";
        }
    }

    data.CreateKeyPressesARRAY();

    std::size_t i = 0;
    for (int m = 1; m <= 5; ++m) {
        for (int r = 1; r <= 28; ++r) {
            const QString text = data.Record(m, r)->KeyText;
            EXPECT_EQ(text, expected[i++]) << "mode " << m << " record " << r;
            EXPECT_FALSE(text.contains("  ")) << m << "/" << r;
            EXPECT_FALSE(text.endsWith(' ')) << m << "/" << r;
        }
    }
    EXPECT_EQ(box.count(), 0u);
}

TEST_F(KeyTextTest, RecordsWithSpecialPresses) {
    struct Case {
        std::vector<Press> presses;
        QString text;
    };
    const Case cases[] = {
        {{{"", 99}, {"12", 100}}, "BRK SHF PRNTSCRN"}, // 13 of the 14 bytes
        {{{"E014E011", 87}, {"", 20}}, "RCTL RALT DEL a"},
        {{{"", 58}, {"", 63}}, "LSHF RALT"}, // modifiers as keys
        {std::vector<Press>(14, Press{"", 92}), QString("SPC ").repeated(14).trimmed()},
    };
    for (const Case& c : cases) {
        ButtonRecord record;
        Program(record, c.presses);
        data.Mode5.set(28, record);
        data.CreateKeyPressesARRAY();
        EXPECT_EQ(data.Mode5(28).KeyText, c.text);
    }
    EXPECT_EQ(box.count(), 0u);
}

// Records as a file edited elsewhere may hold them: counts and length codes that do not fit
// the bytes. Each bad press reads "error" once; nothing reads beyond the 14 bytes.
TEST_F(KeyTextTest, CorruptRecordsReadWithoutOverrun) {
    const struct {
        std::vector<Press> presses;
        int count;
        std::vector<std::pair<int, int>> lengths; // press, length code
        QString text;
        QString shown; // KeysToFind and NumScanCodes of the message, "" for none
    } cases[] = {
        {{{"12", 20}, {"", 21}}, 0, {}, "", ""},
        {{{"12", 20}, {"", 21}}, -3, {}, "", ""},
        {{{"", 20}, {"", 21}}, 3, {{2, -1}, {3, 1}}, "a error b", "''. NumScanCodes = -1"},
        {{{"", 99}}, 2, {{2, 8}}, "BRK error", "'FFFFFFFFFFFF'. NumScanCodes = 8"},
        {std::vector<Press>(14, Press{"", 20}), 200, {}, QString("a ").repeated(14).trimmed(), ""},
    };
    for (const auto& c : cases) {
        ButtonRecord& record = *data.Record(3, 1);
        Program(record, c.presses);
        record.NumKeyPresses = static_cast<qint16>(c.count);
        record.KeyText = "stale";
        for (const auto& [press, length] : c.lengths) {
            record.setKeyPressLen(press, length);
        }
        box.clear();
        if (!c.shown.isEmpty()) {
            box.queueAnswer(MsgAnswer::Ok);
        }
        data.CreateKeyPressesARRAY();
        EXPECT_EQ(record.KeyText, c.text);
        ASSERT_EQ(box.count(), c.shown.isEmpty() ? 0u : 1u) << c.text.toStdString();
        if (!c.shown.isEmpty()) {
            EXPECT_EQ(box.last().text, "Something's out of sync in working out what key's are "
                                       "what. KeysToFind = " +
                                           c.shown + ".");
        }
    }
}

} // namespace
