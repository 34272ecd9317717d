#include "common/platform/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    const QString text = Cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Cp1252::encode(text), all);
}

TEST(Cp1252, MapsTheWindowsCharactersAndReplacesTheRest) {
    EXPECT_EQ(Cp1252::decode("\x80\x99\xE9"), QString::fromUtf8("€™é"));
    EXPECT_EQ(Cp1252::encode(QString::fromUtf8("Ŝ€ü")), QByteArray("?\x80\xFC"));
    // A character outside the basic plane is one replacement, not two.
    EXPECT_EQ(Cp1252::encode(QString::fromUtf8("a😀b")), QByteArray("a?b"));
}

TEST(Cp1252, AppendsAfterWhatIsThere) {
    struct Case {
        const char* before;
        QString text;
        QByteArray after;
    };
    const Case cases[] = {
        {"ab", QString(), "ab"},
        {"", QStringLiteral("x\u20ACy"), "x\x80y"},
        {"a", QString::fromUtf8("😀😀"), "a??"},
        // Halves of a pair on their own are each a character with no byte.
        {"a", QString(QChar(0xD83D)), "a?"},
        {"", QString(QChar(0xDE00)) + QChar(0xD83D) + u'z', "??z"},
    };
    for (const Case& c : cases) {
        QByteArray bytes(c.before);
        Cp1252::appendEncoded(bytes, c.text);
        EXPECT_EQ(bytes, c.after) << c.before;
        EXPECT_EQ(Cp1252::encode(c.text), c.after.mid(qstrlen(c.before))) << c.before;
    }
}
