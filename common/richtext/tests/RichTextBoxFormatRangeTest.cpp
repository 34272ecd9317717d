#include "common/richtext/RichTextBox.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kDotsPerMeter300Dpi = 11811;

QImage page300Dpi() {
    QImage image(8 * 300, 10 * 300, QImage::Format_RGB32); // 8 x 10 inches
    image.setDotsPerMeterX(kDotsPerMeter300Dpi);
    image.setDotsPerMeterY(kDotsPerMeter300Dpi);
    image.fill(Qt::white);
    return image;
}

// The bounding box of everything drawn that is not white.
QRect inkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 160) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

QString numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("Line %1").arg(i);
    }
    return lines.join("\r\n");
}

class RichTextBoxFormatRange : public ::testing::Test {
protected:
    void SetUp() override {
        box_.setSelFontName("Arial");
        box_.setSelFontSize(12);
    }
    // Renders page after page into fresh images the way page printing does, handing each page
    // with the range it took to check; returns the number of pages.
    int printPages(const QRect& rc, const std::function<void(const QImage&, int, int)>& check) {
        int cp = 0;
        int pages = 0;
        while (cp < box_.TextLength() && pages < 100) {
            QImage image = page300Dpi();
            QPainter painter(&image);
            const int next = box_.FormatRange(painter, rc, page_, cp, -1, true);
            painter.end();
            EXPECT_GT(next, cp);
            if (next <= cp) {
                break;
            }
            check(image, cp, next);
            cp = next;
            ++pages;
        }
        box_.FormatRangeDone();
        EXPECT_EQ(cp, box_.TextLength());
        return pages;
    }

    RichTextBox box_;
    const QRect page_{0, 0, 8 * 1440, 10 * 1440};
};

TEST_F(RichTextBoxFormatRange, RendersInsideTheRectangleAndContinuesWhereItStopped) {
    box_.setText(numberedLines(40));
    const QRect rc(1440, 720, 3 * 1440, 2 * 1440); // 1 inch in, 2 inches high
    const QRect rcPixels(300, 150, 900, 600);
    const int pages = printPages(rc, [&](const QImage& image, int, int next) {
        const QRect ink = inkOf(image);
        EXPECT_TRUE(rcPixels.contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        // Each page ends at a whole line, right after a paragraph break.
        if (next < box_.TextLength()) {
            EXPECT_EQ(box_.Text().mid(next - 2, 2), "\r\n");
        }
    });
    // 12-point lines are about 0.19 inch: some 10 lines a page of 2 inches.
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 6);
}

TEST_F(RichTextBoxFormatRange, MeasuringGivesTheSameStopAndDrawsNothing) {
    box_.setText(numberedLines(40));
    const QRect rc(0, 0, 2 * 1440, 1440);
    QImage measured = page300Dpi();
    QImage drawn = page300Dpi();
    QPainter measuring(&measured);
    QPainter drawing(&drawn);
    const int stop = box_.FormatRange(measuring, rc, page_, 0, -1, false);
    EXPECT_EQ(box_.FormatRange(drawing, rc, page_, 0, -1, true), stop);
    measuring.end();
    drawing.end();
    EXPECT_TRUE(inkOf(measured).isNull());
    EXPECT_FALSE(inkOf(drawn).isNull());
}

TEST_F(RichTextBoxFormatRange, AParagraphLongerThanThePageIsSplitBetweenLines) {
    QStringList words;
    for (int i = 0; i < 300; ++i) {
        words << QStringLiteral("word%1").arg(i);
    }
    box_.setText("Head\r\n" + words.join(' '));
    box_.setSelStart(6);
    box_.setSelAlignment(2);
    QString pieces;
    const int pages =
        printPages(QRect(0, 0, 2 * 1440, 1440), [&](const QImage& image, int from, int next) {
            pieces += box_.Text().mid(from, next - from);
            // The pages that continue the paragraph keep it centred (600 pixels wide), not in the
            // left alignment of the first paragraph.
            if (from > 0) {
                const QRect ink = inkOf(image);
                EXPECT_NEAR(ink.left(), 599 - ink.right(), 6) << "from " << from;
            }
        });
    EXPECT_GT(pages, 2);
    EXPECT_EQ(pieces, box_.Text());

    // The range can end early, too.
    QImage image = page300Dpi();
    QPainter painter(&image);
    EXPECT_EQ(box_.FormatRange(painter, QRect(0, 0, 8 * 1440, 10 * 1440), page_, 2, 8, true), 8);
}

TEST_F(RichTextBoxFormatRange, NothingFitsReturnsTheStartSoThatPrintingStops) {
    box_.setText("Some text");
    QImage image = page300Dpi();
    QPainter painter(&image);
    EXPECT_EQ(box_.FormatRange(painter, QRect(0, 0, 1440, 20), page_, 0, -1, true), 0);
    EXPECT_EQ(box_.FormatRange(painter, QRect(0, 0, 0, 1440), page_, 3, -1, true), 3);
    EXPECT_EQ(box_.FormatRange(painter, QRect(0, 0, 1440, 1440), page_, 9, -1, true), 9);
    painter.end();
    EXPECT_TRUE(inkOf(image).isNull());

    box_.setText("");
    QPainter again(&image);
    EXPECT_EQ(box_.FormatRange(again, QRect(0, 0, 1440, 1440), page_, 0, -1, true), 0);
}

TEST_F(RichTextBoxFormatRange, PrintsPageAfterPageIntoAPdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.pdf");
    box_.setText(numberedLines(60));
    {
        QPdfWriter pdf(path);
        pdf.setResolution(600);
        QPainter painter(&pdf);
        const QRect rc(1440, 1440, 4 * 1440, 3 * 1440);
        int cp = 0;
        int pages = 1;
        while (true) {
            const int next = box_.FormatRange(painter, rc, page_, cp, -1, true);
            if (next <= cp || next >= box_.TextLength()) {
                break;
            }
            cp = next;
            pdf.newPage();
            ++pages;
        }
        EXPECT_GE(pages, 2);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_GT(file.size(), 1000);
}

} // namespace
