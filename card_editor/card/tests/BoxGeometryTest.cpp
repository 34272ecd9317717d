#include "card_editor/card/BoxGeometry.h"
#include "card_editor/card/LeadingNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(BoxGeometry, SnapAndResizeToTheGridWithinTheLayoutRange) {
    struct Case {
        BoxRect box;
        int step;
        std::optional<BoxRect> snap, resize;
    };
    const Case cases[] = {
        {{23, 47, 100, 33}, 5, BoxRect{20, 45, 100, 33}, BoxRect{20, 45, 105, 35}},
        {{20, 45, 100, 35}, 5, BoxRect{20, 45, 100, 35}, BoxRect{20, 45, 105, 40}},
        // Off the card: down to the next line, not towards 0.
        {{-3, -10, 41, 21}, 5, BoxRect{-5, -10, 41, 21}, BoxRect{-5, -10, 45, 25}},
        // What the layout files could not hold is refused, as is a step that cannot work.
        {{-32767, 0, 10, 10}, 5, std::nullopt, std::nullopt},
        {{0, 0, 32767, 10}, 5, BoxRect{0, 0, 32767, 10}, std::nullopt},
        {{23, 47, 100, 33}, 0, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BoxGeometry::snapped(c.box, c.step), c.snap) << c.box.left;
        EXPECT_EQ(BoxGeometry::resizedToGrid(c.box, c.step), c.resize) << c.box.left;
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAField) {
    const std::pair<const char*, std::optional<qint16>> cases[] = {
        {"  12abc", 12},
        {"7.9", 7},
        {"-0.5", -1},
        {"abc", 0},
        {"-", 0},
        {"1 5", 15},
        {"1e2", 100},
        {"3e", 3},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"1e400", std::nullopt},
        {"1e-400", 0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(LeadingNumber::wholeNumber(QString::fromLatin1(text)), expected) << text;
    }
}

} // namespace
