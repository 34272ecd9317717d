#include "card_editor/card/BoxSizeInput.h"
#include "card_editor/card/LeadingNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    const std::pair<const char*, double> cases[] = {
        {"12", 12},
        {"12.7", 12.7},
        {"15px", 15},
        {"abc", 0},
        {"", 0},
        {" 1 2", 12},
        {"\t-5", -5},
        {"+7", 7},
        {"-", 0},
        {".", 0},
        {".5", 0.5},
        {"3.", 3},
        {"1e3", 1000},
        {"1E+2x", 100},
        {"2e", 2},
        {"2e-", 2},
        {"1,5", 1},
        {"0x10", 0},
        {"1-2", 1},
        {"1e-400", 0},
        {"00012", 12},
        {"--3", 0},
        {"4 e 1", 40},
        {"1.2.3", 1.2},
        {"1e99999999999999999999", -1},
        {"1e400", -1},
        {"-1e400", -1},
        {"0.5e309", -1},
        {"1e308", 1e308},
        {"0.0000e999", 0},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<double> got = LeadingNumber::value(QString::fromUtf8(text));
        if (expected == -1) {
            EXPECT_FALSE(got.has_value()) << text;
        } else {
            ASSERT_TRUE(got.has_value()) << text;
            EXPECT_DOUBLE_EQ(*got, expected) << text;
        }
    }
    // A long run of digits ends in an answer, not a hang.
    EXPECT_FALSE(LeadingNumber::value(QString(100000, u'9')).has_value());
    EXPECT_EQ(LeadingNumber::value(QStringLiteral("0.") + QString(100000, u'0') + u'1'), 0.0);
}

TEST(BoxSizeInput, FloorsClampsAndRefuses) {
    using Fields = std::array<QString, BoxSizeInput::FieldCount>;
    struct Case {
        Fields fields; // Top, Left, Width, Height
        std::optional<BoxRect> expected;
    };
    const Case cases[] = {
        {{"100", "50", "60", "30"}, BoxRect{50, 100, 60, 30}},
        {{"-5", "-1", "12", "0"}, BoxRect{10, 10, 40, 20}},
        {{"0", "0", "40", "20"}, BoxRect{0, 0, 40, 20}},
        {{"12.7", "abc", "15px", "20.99"}, BoxRect{0, 12, 40, 20}},
        {{"-0.5", "1", "41", "21"}, BoxRect{1, 10, 41, 21}},
        {{"32767", "32767", "32767", "32767"}, BoxRect{32767, 32767, 32767, 32767}},
        {{"32768", "0", "40", "20"}, std::nullopt},
        {{"0", "0", "1e39", "20"}, std::nullopt},
        {{"0", "0", "40", "1e400"}, std::nullopt},
        {{"-1e300", "-99999", "-1e30", "-7"}, BoxRect{10, 10, 40, 20}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BoxSizeInput::read(c.fields), c.expected)
            << c.fields[0].toStdString() << " " << c.fields[2].toStdString();
    }
    EXPECT_EQ(BoxSizeInput::fieldValues({1, 2, 3, 4}), (std::array<int, 4>{2, 1, 3, 4}));
}

} // namespace
