#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/CardPrinting.h"
#include "card_editor/window/MovablePicture.h"
#include "card_editor/window/tests/QuilletFixture.h"
#include "common/printing/PdfPrinter.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>

namespace {

struct Word {
    QString text;
    QRectF box; // points from the page's top-left corner
};

// The words of a PDF with their boxes, as an independent reader finds them.
std::vector<Word> pdfWords(const QString& pdf) {
    QProcess run;
    run.start("pdftotext", {"-bbox", pdf, "-"});
    run.waitForFinished(30000);
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

int pdfPages(const QString& pdf) {
    QProcess run;
    run.start("pdfinfo", {pdf});
    run.waitForFinished(30000);
    const auto m = QRegularExpression(R"(Pages:\s+(\d+))")
                       .match(QString::fromUtf8(run.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The first page rendered at 72 dots per inch, one pixel per point.
QImage pdfPage(const QString& pdf) {
    const QString stem = pdf + ".page";
    QProcess run;
    run.start("pdftoppm", {"-r", "72", "-singlefile", "-png", pdf, stem});
    run.waitForFinished(30000);
    return QImage(stem + ".png");
}

// Bounding box of the pixels close to a colour.
QRect areaOf(const QImage& page, QColor colour) {
    QRect area;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 40 &&
                std::abs(c.green() - colour.green()) < 40 &&
                std::abs(c.blue() - colour.blue()) < 40) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

class PrintCardTest : public QuilletFixture {
protected:
    void SetUp() override {
        pdf = programFile("card.pdf");
        makePrinter = [this] { return std::make_unique<PdfPrinter>(pdf); };
    }

    // A card picture of one colour, named in the settings so the window loads it.
    void useCardPicture(QSize size, QColor colour) {
        QImage card(size, QImage::Format_RGB32);
        card.fill(colour);
        ASSERT_TRUE(card.save(programFile("card.bmp"), "BMP"));
        writeFile("Quillet.ini", {"[FileLocations]", "BitmapPath=" + programFile("card.bmp")});
    }

    // Every box gets a caption of its own: "Btn1" ... "Btn28", "Low5" ... "Low10".
    void openEveryCaption() {
        static const char* tags[] = {"$01", "$02", "$03", "$04", "$0C", "$14", "$1C",
                                     "$18", "$10", "$08", "$06", "$0E", "$16", "$1A",
                                     "$12", "$0A", "$07", "$0F", "$17", "$1B", "$13",
                                     "$0B", "$09", "$11", "$19", "$15", "$0D", "$05"};
        QStringList lines{"Printed Game"};
        for (int b = 1; b <= 28; ++b) {
            lines << QStringLiteral("$01 %1 $05 Btn%2").arg(tags[b - 1]).arg(b);
            if (b >= 5 && b <= 10) {
                lines << QStringLiteral("$05 %1 $05 Low%2").arg(tags[b - 1]).arg(b);
            }
        }
        writeFile("every.gam", lines);
        dialog.queueOpen(programFile("every.gam"));
        window->findChild<QAction*>("mnuOpen")->trigger();
    }

    void print() { window->findChild<QAction*>("mnuFilePrint")->trigger(); }

    QString pdf;
};

TEST_F(PrintCardTest, EveryBoxPrintsWhereItStandsOnTheCentredCard) {
    useCardPicture({527, 712}, QColor(255, 0, 0));
    start();
    openEveryCaption();
    print();
    ASSERT_EQ(pdfPages(pdf), 1);

    const double tppx = window->twipsPerPixelX();
    const double tppy = window->twipsPerPixelY();
    const double paperW = 11906, paperH = 16838; // A4 in twips
    const double offX = (paperW - 527 * tppx) / 2;
    const double offY = (paperH - 712 * tppy) / 2;

    // The card picture lands in the middle of the page.
    const QImage page = pdfPage(pdf);
    const QRect red = areaOf(page, Qt::red);
    EXPECT_NEAR(red.left(), offX / 20, 1.5);
    EXPECT_NEAR(red.top(), offY / 20, 1.5);
    EXPECT_NEAR(page.width() - 1 - red.right(), red.left(), 2);
    EXPECT_NEAR(page.height() - 1 - red.bottom(), red.top(), 2);

    const std::vector<Word> words = pdfWords(pdf);
    for (int i = 0; i < 35; ++i) {
        const RichTextBox& box = window->RTFbtn(i);
        const QString expected = box.Text();
        SCOPED_TRACE(expected.toStdString());
        const auto found = std::find_if(words.begin(), words.end(), [&](const Word& w) {
            return w.text == expected || expected.startsWith(w.text + ' ');
        });
        ASSERT_NE(found, words.end());
        const QRectF onPaper((offX + box.Left() * tppx) / 20, (offY + box.Top() * tppy) / 20,
                             box.Width() * tppx / 20, box.Height() * tppy / 20);
        EXPECT_TRUE(onPaper.adjusted(-1, -1, 1, 1).contains(found->box))
            << "box " << i << " at " << onPaper.x() << "," << onPaper.y() << " word at "
            << found->box.x() << "," << found->box.y();
    }
}

TEST_F(PrintCardTest, HiddenPictureIsNotPrinted) {
    useCardPicture({527, 712}, Qt::white);
    start();
    QPixmap blue(40, 40);
    blue.fill(Qt::blue);
    window->Image1().setPicture(blue.toImage());
    window->Image1().setGeometry(100, 100, 200, 100);

    print();
    QRect area = areaOf(pdfPage(pdf), Qt::blue);
    const double tpp = window->twipsPerPixelX();
    EXPECT_NEAR(area.width(), 200 * tpp / 20, 2);
    EXPECT_NEAR(area.height(), 100 * tpp / 20, 2);

    window->findChild<QAction*>("mnuImageVisible")->trigger();
    QFile::remove(pdf);
    print();
    EXPECT_TRUE(areaOf(pdfPage(pdf), Qt::blue).isEmpty());
}

TEST_F(PrintCardTest, CardLargerThanThePaperAsksFirst) {
    useCardPicture({900, 712}, Qt::green);
    start();
    openEveryCaption();
    const double tpp = window->twipsPerPixelX();

    messageBox.queueAnswer(MsgAnswer::No);
    print();
    ASSERT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(messageBox.last().title, "OK to print?");
    EXPECT_EQ(messageBox.last().style, MsgStyle::ExclamationYesNo);
    EXPECT_EQ(messageBox.last().text,
              QStringLiteral("Warning: The image size (900 by 712 is greater than the Printer's "
                             "page size settings (%1 by %2). Do you still want me to try and print "
                             "out the layout? This may result in a problem for your printer, or a "
                             "lot of extra paper being churned out.")
                  .arg(int(11906 / tpp))
                  .arg(int(16838 / tpp)));
    EXPECT_FALSE(QFile::exists(pdf));

    messageBox.queueAnswer(MsgAnswer::Yes);
    print();
    ASSERT_TRUE(QFile::exists(pdf));
    // Too wide: the card starts at the left edge, centred only from top to bottom.
    const QRect green = areaOf(pdfPage(pdf), Qt::green);
    EXPECT_LE(green.left(), 1);
    EXPECT_NEAR(green.top(), (16838 - 712 * tpp) / 2 / 20, 1.5);
}

TEST_F(PrintCardTest, NoPrinterOnlyTellsTheUser) {
    printers = 0;
    bool asked = false;
    makePrinter = [&asked] {
        asked = true;
        return std::make_unique<RecordingPrinter>();
    };
    start();
    messageBox.queueAnswer(MsgAnswer::Ok);
    print();
    ASSERT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(messageBox.last().title, "No printer detected");
    EXPECT_EQ(messageBox.last().style, MsgStyle::Exclamation);
    EXPECT_TRUE(messageBox.last().text.startsWith("Sorry - I couldn't detect a printer"));
    EXPECT_FALSE(asked);
}

TEST(PrintCard, PortraitForTheRunOnlyAndEmptyBoxesSkipped) {
    RecordingPrinter printer;
    printer.SetOrientation(Printer::Landscape);
    const std::size_t before = printer.calls().size();
    ScriptedMessageBox messageBox;
    RichTextBox empty;
    RichTextBox title;
    title.setText("Only the title");
    title.setGeometry(10, 10, 200, 30);
    CardSheet sheet;
    sheet.background = QImage(100, 100, QImage::Format_RGB32);
    sheet.background.fill(Qt::white);
    sheet.cardSize = {100, 100};
    sheet.boxes = {&empty, &title, &empty};

    CardPrinting::PrintCard(sheet, printer, messageBox);
    const std::vector<RecordingPrinter::Call> calls(printer.calls().begin() + long(before),
                                                    printer.calls().end());
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().op, RecordingPrinter::Op::SetOrientation);
    EXPECT_EQ(calls.front().value, Printer::Portrait);
    EXPECT_EQ(calls.back().op, RecordingPrinter::Op::SetOrientation);
    EXPECT_EQ(calls.back().value, Printer::Landscape);
    EXPECT_EQ(printer.count(RecordingPrinter::Op::PaintPicture), 1u);
    EXPECT_EQ(printer.jobsEnded(), 1);
    EXPECT_EQ(printer.pages().size(), 1u);
    EXPECT_EQ(messageBox.count(), 0u);
}

} // namespace
