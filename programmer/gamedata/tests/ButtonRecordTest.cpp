#include "programmer/gamedata/ButtonRecord.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

ButtonRecord Programmed() {
    ButtonRecord r;
    r.Description = "Autopilot";
    r.KeyText = "SHF a";
    r.NumKeyPresses = 1;
    r.setKeyPressLen(1, 11);
    r.setKeyCodeByte(1, "12");
    r.setKeyCodeByte(2, "1C");
    return r;
}

TEST(ButtonRecord, BlankRecordHoldsNoProgramming) {
    const ButtonRecord blank;
    EXPECT_EQ(blank.Description, "");
    EXPECT_EQ(blank.KeyText, "");
    EXPECT_EQ(blank.NumKeyPresses, 0);
    for (int j = 1; j <= ButtonRecord::MaxBytes; ++j) {
        EXPECT_EQ(blank.KeyPressLen(j), 0) << j;
        EXPECT_EQ(blank.KeyCodeByte(j), "FF") << j;
    }
    EXPECT_EQ(blank.KeyCodes(), QString("FF").repeated(14));
}

TEST(ButtonRecord, CopiesAreIndependentValues) {
    const ButtonRecord original = Programmed();
    ButtonRecord copy = original;
    EXPECT_EQ(copy, original);

    copy.Description = "Wheelbrakes";
    copy.setKeyPressLen(1, 1);
    copy.setKeyCodeByte(2, "FF");
    EXPECT_EQ(original.Description, "Autopilot");
    EXPECT_EQ(original.KeyPressLen(1), 11);
    EXPECT_EQ(original.KeyCodeByte(2), "1C");
    EXPECT_NE(copy, original);
}

TEST(ButtonRecord, IndexOutOfRangeNeitherReadsNorWrites) {
    ButtonRecord r = Programmed();
    const ButtonRecord before = r;
    for (int bad : {0, -1, 15, 1000, std::numeric_limits<int>::min()}) {
        EXPECT_EQ(r.KeyPressLen(bad), 0) << bad;
        EXPECT_EQ(r.KeyCodeByte(bad), "FF") << bad;
        r.setKeyPressLen(bad, 42);
        r.setKeyCodeByte(bad, "E0");
    }
    EXPECT_EQ(r, before);
}

TEST(ButtonRecord, CodeByteIsAlwaysTwoCharacters) {
    ButtonRecord r;
    const struct {
        QString in, stored;
    } cases[] = {{"1C", "1C"}, {"1", "1 "}, {"", "  "}, {"E014", "E0"}, {"1c", "1c"}};
    for (const auto& c : cases) {
        r.setKeyCodeByte(14, c.in);
        EXPECT_EQ(r.KeyCodeByte(14), c.stored) << c.in.toStdString();
    }
    EXPECT_EQ(r.KeyCodes().size(), 28);
}

TEST(ButtonRecord, LengthCodeIsClampedTo16Bits) {
    ButtonRecord r;
    r.setKeyPressLen(1, 70000);
    EXPECT_EQ(r.KeyPressLen(1), 32767);
    r.setKeyPressLen(1, -70000);
    EXPECT_EQ(r.KeyPressLen(1), -32768);
}

TEST(ButtonRecord, BytesOfAPressAreTensPlusUnits) {
    const struct {
        int code, bytes;
    } cases[] = {{0, 0},  {1, 1},  {4, 4},   {8, 8},    {9, 9},  {10, 1}, {11, 2},
                 {14, 5}, {42, 6}, {99, 18}, {123, 15}, {-1, 0}, {-42, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonRecord::PressBytes(c.code), c.bytes) << c.code;
    }
}

TEST(ButtonRecord, BytesUsedCountsOnlyTheRecordsPresses) {
    ButtonRecord r;
    r.setKeyPressLen(1, 11);
    r.setKeyPressLen(2, 42);
    r.setKeyPressLen(3, 8);
    const struct {
        int presses, used, count;
    } cases[] = {{0, 0, 0}, {1, 2, 1}, {2, 8, 2}, {3, 16, 3}, {-3, 0, 0}, {300, 16, 14}};
    for (const auto& c : cases) {
        r.NumKeyPresses = static_cast<qint16>(c.presses);
        EXPECT_EQ(r.BytesUsed(), c.used) << c.presses;
        EXPECT_EQ(r.PressCount(), c.count) << c.presses;
    }
}

} // namespace
