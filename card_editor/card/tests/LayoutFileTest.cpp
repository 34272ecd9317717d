#include "card_editor/card/LayoutFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray joined(const QStringList& lines) {
    return lines.join("\r\n").toLatin1() + "\r\n";
}

TEST(LayoutFile, WritesPrintedNumbersAndReadsThemBack) {
    EXPECT_EQ(LayoutFile::printedNumber(0), " 0 ");
    EXPECT_EQ(LayoutFile::printedNumber(118), " 118 ");
    EXPECT_EQ(LayoutFile::printedNumber(-13), "-13 ");

    CardLayout layout = builtInLayout();
    layout.pictureVisible = false;
    layout.boxes[5] = {-7, 3, 41, 21};
    const QStringList lines = LayoutFile::lines(layout);
    ASSERT_EQ(lines.size(), 36);
    EXPECT_EQ(lines[0], " 118  192  289  289  0 ");
    EXPECT_EQ(lines[6], "-7  3  41  21 ");
    EXPECT_EQ(lines[35], " 144  135  239  49 ");

    CardLayout back;
    LayoutFile::apply(LayoutFile::read(joined(lines)), back);
    EXPECT_EQ(back, layout);
}

TEST(LayoutFile, ShippedRestoreFileHoldsTheBuiltInLayout) {
    QFile file(TAVRIN_SOURCE_DIR "/data/files/Restore.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count("\r\n"), 36);
    CardLayout read;
    read.pictureVisible = false;
    LayoutFile::apply(LayoutFile::read(text), read);
    EXPECT_EQ(read, builtInLayout());
}

TEST(LayoutFile, SeparatorsAndColumnsDoNotMatter) {
    // Commas, tabs, column padding and numbers split over lines all read the same.
    QByteArray text = "1,2\t3 4\n 1\r\n";
    for (int i = 0; i < 35; ++i) {
        text += QByteArray::number(i) + ",        " + QByteArray::number(i + 1) + "\n" +
                QByteArray::number(50 + i) + "   +" + QByteArray::number(60 + i) + "\r\n";
    }
    // A file an editor saved as UTF-8 with its byte-order mark reads the same.
    for (const QByteArray& file : {text, "\xEF\xBB\xBF" + text}) {
        const LayoutFile::Read read = LayoutFile::read(file);
        ASSERT_TRUE(read.picture.has_value());
        EXPECT_EQ(*read.picture, (BoxRect{1, 2, 3, 4}));
        EXPECT_EQ(read.pictureVisible, true);
        ASSERT_TRUE(read.boxes[34].has_value());
        EXPECT_EQ(*read.boxes[34], (BoxRect{34, 35, 84, 94}));
    }
}

TEST(LayoutFile, DamagedFilesLeaveTheRestAsItWas) {
    const CardLayout& original = builtInLayout();
    auto readOver = [&](const QByteArray& text) {
        CardLayout layout = original;
        LayoutFile::apply(LayoutFile::read(text), layout);
        return layout;
    };

    EXPECT_EQ(readOver(""), original);
    EXPECT_EQ(readOver(QByteArray("\x00\xff\x01garbage", 10)), original);

    // Cut short inside box 2: boxes 0 and 1 are read, box 2 onwards keep theirs.
    CardLayout shortFile = readOver("1 2 3 4 0\r\n5 6 7 8\r\n9 10 11 12\r\n13 14");
    EXPECT_EQ(shortFile.picture, (BoxRect{1, 2, 3, 4}));
    EXPECT_FALSE(shortFile.pictureVisible);
    EXPECT_EQ(shortFile.boxes[1], (BoxRect{9, 10, 11, 12}));
    EXPECT_EQ(shortFile.boxes[2], original.boxes[2]);

    // A number outside 16 bits, or one that is no number, ends the reading there.
    CardLayout outOfRange = readOver("1 2 3 4 1 5 6 7 8 9 40000 11 12 13 14 15 16");
    EXPECT_EQ(outOfRange.boxes[0], (BoxRect{5, 6, 7, 8}));
    EXPECT_EQ(outOfRange.boxes[1], original.boxes[1]);
    EXPECT_EQ(outOfRange.boxes[2], original.boxes[2]);
    CardLayout word = readOver("1 2 3 4 1 5 6 7 8 9 1x 11 12");
    EXPECT_EQ(word.boxes[1], original.boxes[1]);

    // A negative size is refused for that box only.
    CardLayout negative = readOver("1 2 3 4 1 5 6 -7 8 9 10 11 12");
    EXPECT_EQ(negative.boxes[0], original.boxes[0]);
    EXPECT_EQ(negative.boxes[1], (BoxRect{9, 10, 11, 12}));

    // The extremes of the 16-bit range are still numbers.
    CardLayout extremes = readOver("-32768 32767 0 0 1");
    EXPECT_EQ(extremes.picture, (BoxRect{-32768, 32767, 0, 0}));
}

} // namespace
