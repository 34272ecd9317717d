#include "card_editor/card/GameCaptions.h"

#include <gtest/gtest.h>

namespace {

using GameCaptions::ExtractButtonCaption;

ButtonCaptions extracted(std::initializer_list<QString> lines) {
    ButtonCaptions captions;
    for (const QString& line : lines) {
        ExtractButtonCaption(line, captions);
    }
    return captions;
}

bool allEmpty(const ButtonCaptions& captions) {
    for (const auto& mode : captions.modes) {
        for (const QString& caption : mode) {
            if (!caption.isEmpty()) {
                return false;
            }
        }
    }
    return true;
}

TEST(GameCaptions, EveryButtonTagMapsToItsPrintedNumber) {
    // Button i carries the tag of its record; the pairs come from the printed controller.
    const std::pair<const char*, int> pairs[] = {
        {"$01", 1},  {"$02", 2},  {"$03", 3},  {"$04", 4},  {"$0C", 5},  {"$14", 6},  {"$1C", 7},
        {"$18", 8},  {"$10", 9},  {"$08", 10}, {"$06", 11}, {"$0E", 12}, {"$16", 13}, {"$1A", 14},
        {"$12", 15}, {"$0A", 16}, {"$07", 17}, {"$0F", 18}, {"$17", 19}, {"$1B", 20}, {"$13", 21},
        {"$0B", 22}, {"$09", 23}, {"$11", 24}, {"$19", 25}, {"$15", 26}, {"$0D", 27}, {"$05", 28}};
    for (const auto& [tag, button] : pairs) {
        EXPECT_EQ(GameCaptions::buttonOfTag(QString::fromLatin1(tag)), button) << tag;
    }
    for (const char* notTag : {"$0c", "$1D", "$00", "$1c", "01", "$1", "$001"}) {
        EXPECT_EQ(GameCaptions::buttonOfTag(QString::fromLatin1(notTag)), 0) << notTag;
    }
}

TEST(GameCaptions, DescriptionLinesGiveCaptions) {
    const ButtonCaptions c = extracted({
        "$01 $0C $05 Gear up",
        "$05 $05 $0A Fire  ",         // trailing blanks stay
        "$03 $1C $01 length ignored", // the count field is not used
        "$02 $0C $05 Flaps €ü",       // any Windows-1252 text
    });
    EXPECT_EQ(c.at(0, 5), "Gear up");
    EXPECT_EQ(c.at(4, 28), "Fire  ");
    EXPECT_EQ(c.at(2, 7), "length ignored");
    EXPECT_EQ(c.at(1, 5), QString::fromUtf8("Flaps €ü"));
    EXPECT_EQ(c.at(0, 0), "");
    EXPECT_EQ(c.at(0, 29), "");
}

TEST(GameCaptions, LinesThatAreNoDescriptionsStoreNothing) {
    EXPECT_TRUE(allEmpty(extracted({
        "",
        "no dollar at all",
        "$01 $0C $09 Cost $5", // a "$" in the text makes four
        "$FF $FF $FF $FF $FF $FF $FF $FF $FF $FF $FF $FF $FF $FF ",
        "$01 $0c $05 lower", // tags are case-sensitive
        "$01 $1D $05 no button",
        "$01 $00 $05 no button",
        "$06 $0C $05 no mode",
        "$1 $0C $05 short tag",
        " $01 $0C $05 shifted",
        "$01",
        "$01 $0",
    })));
}

TEST(GameCaptions, ShortLinesClearAndLaterLinesWin) {
    ButtonCaptions c = extracted({"$01 $0C $05 Gear up", "$01 $0C"});
    EXPECT_EQ(c.at(0, 5), "");
    c = extracted({"$01 $0C $05 Gear up", "$01 $0C $05 "});
    EXPECT_EQ(c.at(0, 5), "");
    c = extracted({"$01 $0C $05 Gear up", "$01 $0C $04 Gear"});
    EXPECT_EQ(c.at(0, 5), "Gear");
}

TEST(GameCaptions, ReadingAFileEmptiesFirstAndTakesLineOneAsTheName) {
    ButtonCaptions c;
    c.set(3, 9, "left over");
    EXPECT_EQ(GameCaptions::readLines({"My $01 $0C $05 game", "$01 $0C $05 Gear"}, c),
              "My $01 $0C $05 game");
    EXPECT_EQ(c.at(0, 5), "Gear");
    EXPECT_EQ(c.at(3, 9), "");

    c.set(3, 9, "left over");
    EXPECT_FALSE(GameCaptions::readLines({}, c).has_value());
    EXPECT_TRUE(allEmpty(c));
}

} // namespace
