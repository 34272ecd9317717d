#include "common/printing/PdfPrinter.h"
#include "common/printing/PrintRTFWordWrap.h"
#include "common/printing/tests/PrintableBox.h"
#include "tests/support/PdfText.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr double Inch = 72.0; // points
// What the test printer pretends it cannot reach, in points.
const QMarginsF Border(18, 25, 18, 25);

// Numbers that follow the word "Line" on a page, in reading order.
std::vector<int> lineNumbers(const PdfPage& page) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i + 1 < page.words.size(); ++i) {
        if (page.words[i].text == QLatin1String("Line")) {
            numbers.push_back(page.words[i + 1].text.toInt());
        }
    }
    return numbers;
}

// Every paragraph 1..count printed exactly once, in order, across the pages.
void expectAllLinesOnce(const std::vector<PdfPage>& pages, int count) {
    std::vector<int> all;
    for (const PdfPage& page : pages) {
        const auto numbers = lineNumbers(page);
        all.insert(all.end(), numbers.begin(), numbers.end());
    }
    std::vector<int> expected(count);
    for (int i = 0; i < count; ++i) {
        expected[i] = i + 1;
    }
    EXPECT_EQ(all, expected);
}

class PdfPrinting : public ::testing::Test {
protected:
    QString pdf(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(PdfPrinting, InchMarginsPlaceTheTextAnInchFromEveryEdgeOnEveryPage) {
    const QString path = pdf("margins.pdf");
    PrintableBox box(numberedParagraphs(120));
    {
        PdfPrinter printer(path, PdfPrinter::Paper::A4, Border);
        PrintRTF(printer, box, 1440, 1440, 1440, 1440);
        EXPECT_FALSE(printer.JobOpen());
    }
    // What shows on paper: the box may leave lines that do not fit hidden under a clip.
    const auto pages = readPdfWords(path);
    ASSERT_GE(pages.size(), 3u) << "the text should need several pages";
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const PdfPage& page = pages[i];
        EXPECT_NEAR(page.width, 595.3, 0.5);
        const QRectF text = page.textBounds();
        EXPECT_NEAR(text.left(), Inch, 2.0);
        EXPECT_NEAR(text.top(), Inch, 3.0);
        EXPECT_LE(text.right(), page.width - Inch + 0.5);
        if (i + 1 < pages.size()) {
            // Full pages use the width and the height they were given.
            EXPECT_GT(text.right(), page.width - 2 * Inch);
            EXPECT_GT(text.bottom(), page.height - 2 * Inch);
        }
        EXPECT_LE(text.bottom(), page.height - Inch + 0.5);
    }
    expectAllLinesOnce(pages, 120);
    EXPECT_EQ(box.done, 1);
}

TEST_F(PdfPrinting, RectTextStaysInItsRectangleOnEveryPage) {
    const QString path = pdf("rect.pdf");
    PrintableBox box(numberedParagraphs(40, 6), "Arial", 14);
    {
        PdfPrinter printer(path, PdfPrinter::Paper::Letter, Border);
        ASSERT_TRUE(printer.Print(QString()));
        // From 2 to 5 inches across and 3 to 6.5 inches down the printable area.
        PrintRTFRect(printer, box, 2880, 4320, printer.Width() - 7200, printer.Height() - 9360,
                     static_cast<float>(printer.Width()), static_cast<float>(printer.Height()));
        EXPECT_TRUE(printer.JobOpen());
        printer.EndDoc();
    }
    const auto pages = readPdfWords(path);
    ASSERT_GE(pages.size(), 3u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const QRectF text = pages[i].textBounds();
        EXPECT_NEAR(text.left(), Border.left() + 2 * Inch, 2.0);
        EXPECT_NEAR(text.top(), Border.top() + 3 * Inch, 3.0);
        EXPECT_LE(text.right(), Border.left() + 5 * Inch + 0.5);
        EXPECT_LE(text.bottom(), Border.top() + 6.5 * Inch + 0.5);
    }
    expectAllLinesOnce(pages, 40);
}

TEST_F(PdfPrinting, BoldHeaderLinesStandAboveTheDocument) {
    const QString path = pdf("header.pdf");
    PrintableBox box(numberedParagraphs(3));
    {
        PdfPrinter printer(path, PdfPrinter::Paper::A4, Border);
        printer.Print(QString());
        printer.SetFontBold(true);
        printer.Print(QStringLiteral("Untitled.rtf"));
        printer.Print(QStringLiteral("Printed on: 05 March 2024, 3:07 pm"));
        printer.SetFontBold(false);
        printer.Print(QString());
        PrintRTF(printer, box, 1440, 1440, 1440, 1440);
    }
    const auto pages = readPdfWords(path);
    ASSERT_EQ(pages.size(), 1u);
    const PdfWord* title = pages[0].find("Untitled.rtf");
    const PdfWord* printed = pages[0].find("Printed");
    const PdfWord* body = pages[0].find("Line");
    ASSERT_TRUE(title && printed && body);
    // The first line is blank; each line below the one before, from the printable area's top.
    EXPECT_GT(title->box.top(), Border.top() + 5);
    EXPECT_LT(title->box.bottom(), printed->box.top() + 1);
    EXPECT_NEAR(title->box.left(), Border.left(), 2.0);
    EXPECT_NEAR(printed->box.left(), Border.left(), 2.0);
    EXPECT_NEAR(body->box.top(), Inch, 3.0);
    EXPECT_TRUE(runTool("pdffonts", {path}).contains("Bold"));
}

// Bounds of the dark pixels of a 72-dpi rendering, in points.
QRect darkArea(const QImage& page, const QRect& within) {
    QRect area;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                area = area.united(QRect(x, y, 1, 1));
            }
        }
    }
    return area;
}

TEST_F(PdfPrinting, PicturesLandWhereTheyArePlaced) {
    const QString path = pdf("picture.pdf");
    QImage picture(96, 48, QImage::Format_RGB32);
    picture.fill(Qt::black);
    {
        PdfPrinter printer(path, PdfPrinter::Paper::A4, Border);
        EXPECT_TRUE(printer.PaintPicture(picture, 1440, 2880, 2880, 1440));
        // Natural size: as large as on screen, 96 pixels an inch.
        EXPECT_TRUE(printer.PaintPicture(picture, 5 * 1440, 1440));
        EXPECT_FALSE(printer.PaintPicture(QImage(), 0, 0));
    }
    const auto pages = renderPages(path);
    ASSERT_EQ(pages.size(), 1u);
    const QImage& page = pages[0];
    const QRect placed = darkArea(page, QRect(0, 0, 250, 400));
    EXPECT_NEAR(placed.left(), 18 + 72, 1);
    EXPECT_NEAR(placed.top(), 25 + 144, 1);
    EXPECT_NEAR(placed.width(), 144, 1);
    EXPECT_NEAR(placed.height(), 72, 1);
    const QRect natural = darkArea(page, QRect(300, 0, 295, 200));
    EXPECT_NEAR(natural.left(), 18 + 360, 1);
    EXPECT_NEAR(natural.top(), 25 + 72, 1);
    EXPECT_NEAR(natural.width(), 72, 1);
    EXPECT_NEAR(natural.height(), 36, 1);
}

TEST_F(PdfPrinting, SizesAreTwipsOfThePaperAndItsPrintableArea) {
    PdfPrinter a4(pdf("a4.pdf"), PdfPrinter::Paper::A4, Border);
    EXPECT_EQ(a4.Width(), 11906);
    EXPECT_EQ(a4.Height(), 16838);
    EXPECT_EQ(a4.PhysicalOffsetX(), 360);
    EXPECT_EQ(a4.PhysicalOffsetY(), 500);
    EXPECT_EQ(a4.ScaleWidth(), 11906 - 720);
    EXPECT_EQ(a4.ScaleHeight(), 16838 - 1000);
    EXPECT_EQ(a4.Orientation(), Printer::Portrait);

    PdfPrinter letter(pdf("letter.pdf"), PdfPrinter::Paper::Letter);
    EXPECT_EQ(letter.Width(), 12240);
    EXPECT_EQ(letter.Height(), 15840);
    letter.SetOrientation(Printer::Landscape);
    EXPECT_EQ(letter.Orientation(), Printer::Landscape);
    EXPECT_EQ(letter.Width(), 15840);
    EXPECT_EQ(letter.Height(), 12240);
    letter.SetOrientation(Printer::Portrait);
    EXPECT_EQ(letter.Width(), 12240);
}

TEST_F(PdfPrinting, AJobThatCannotStartFailsQuietly) {
    for (const QString& path : {QString(), QStringLiteral("/nonexistent/folder/out.pdf")}) {
        SCOPED_TRACE(path.toStdString());
        PdfPrinter printer(path);
        EXPECT_FALSE(printer.Print(QStringLiteral("text")));
        EXPECT_FALSE(printer.PaintPicture(QImage(8, 8, QImage::Format_RGB32), 0, 0));
        EXPECT_FALSE(printer.JobOpen());
        EXPECT_EQ(printer.Painter(), nullptr);
        PrintableBox box(numberedParagraphs(5));
        PrintRTF(printer, box, 1440, 1440, 1440, 1440);
        EXPECT_EQ(box.passes, 0);
        EXPECT_TRUE(printer.EndDoc());
    }
}

} // namespace
