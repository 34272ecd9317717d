#include "common/printing/PrintRTFWordWrap.h"
#include "common/richtext/FormatRange.h"
#include "tests/support/RecordingPrinter.h"

#include <QRect>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Op = RecordingPrinter::Op;

// Answers each format pass from a list and records what it was asked.
class ScriptedSource : public FormatRangeSource {
public:
    ScriptedSource(int length, std::vector<int> results)
        : length_(length), results_(std::move(results)) {}

    struct Pass {
        QRect rc;
        QRect rcPage;
        int cpMin;
        int cpMax;
        bool render;
        std::size_t callsBefore; // printer calls made before this pass
    };

    int TextLength() const override { return length_; }
    int FormatRange(QPainter&, const QRect& rc, const QRect& rcPage, int cpMin, int cpMax,
                    bool render) override {
        passes.push_back({rc, rcPage, cpMin, cpMax, render, printer ? printer->calls().size() : 0});
        // A source that keeps answering must still be stopped by the loop.
        const int result =
            passes.size() <= results_.size() ? results_[passes.size() - 1] : results_.back();
        return result;
    }
    void FormatRangeDone() override { ++done; }

    std::vector<Pass> passes;
    int done = 0;
    const RecordingPrinter* printer = nullptr;

private:
    int length_;
    std::vector<int> results_;
};

// Letter paper with a quarter inch (360 twips) it cannot reach at the sides and 300 at the
// top and bottom.
void giveBorder(RecordingPrinter& printer) {
    printer.setPaper(12240, 15840, 360, 300);
}

TEST(PrintRTFWordWrap, MarginsAreMeasuredFromThePaperEdge) {
    RecordingPrinter printer;
    giveBorder(printer);
    ScriptedSource box(100, {100});
    PrintRTF(printer, box, 1440, 1440, 1440, 1440);

    ASSERT_EQ(box.passes.size(), 1u);
    const auto& pass = box.passes[0];
    // The printable area starts 360/300 twips into the paper, so the rectangle is moved back.
    EXPECT_EQ(pass.rc,
              QRect(QPoint(1080, 1140), QPoint(12240 - 1440 - 360 - 1, 15840 - 1440 - 300 - 1)));
    EXPECT_EQ(pass.rcPage, QRect(0, 0, 12240 - 720, 15840 - 600));
    EXPECT_EQ(pass.cpMin, 0);
    EXPECT_EQ(pass.cpMax, -1);
    EXPECT_TRUE(pass.render);
    // Fits on one page: no page break, the job ended once, the cache freed once.
    EXPECT_EQ(printer.count(Op::NewPage), 0u);
    EXPECT_EQ(printer.jobsEnded(), 1);
    EXPECT_EQ(printer.pages().size(), 1u);
    EXPECT_EQ(box.done, 1);
}

TEST(PrintRTFWordWrap, LongTextContinuesInTheSameRectangleOnNewPages) {
    RecordingPrinter printer;
    giveBorder(printer);
    ScriptedSource box(300, {120, 250, 300});
    box.printer = &printer;
    PrintRTF(printer, box, 1440, 1440, 1440, 1440);

    ASSERT_EQ(box.passes.size(), 3u);
    EXPECT_EQ(box.passes[1].cpMin, 120);
    EXPECT_EQ(box.passes[2].cpMin, 250);
    for (const auto& pass : box.passes) {
        EXPECT_EQ(pass.rc, box.passes[0].rc);
    }
    // Each further pass comes after a new page and the blank line that makes it valid.
    EXPECT_EQ(printer.calls()[box.passes[1].callsBefore - 2].op, Op::NewPage);
    EXPECT_EQ(printer.calls()[box.passes[1].callsBefore - 1].op, Op::Print);
    EXPECT_EQ(printer.count(Op::NewPage), 2u);
    EXPECT_EQ(printer.pages().size(), 3u);
    EXPECT_EQ(printer.jobsEnded(), 1);
    EXPECT_EQ(box.done, 1);
}

TEST(PrintRTFWordWrap, RectVariantUsesTheCallersPageAndLeavesTheJobOpen) {
    RecordingPrinter printer;
    giveBorder(printer);
    printer.Print(QStringLiteral("card"));
    ScriptedSource box(50, {30, 50});
    PrintRTFRect(printer, box, 2000, 3000.4, 12240 - 2000 - 4000, 0, 12240.0f, 15840.7f);

    ASSERT_EQ(box.passes.size(), 2u);
    // No correction for the border: the caller placed the rectangle already.
    EXPECT_EQ(box.passes[0].rc, QRect(2000, 3000, 4000, 15841 - 3000));
    EXPECT_EQ(box.passes[0].rcPage, QRect(0, 0, 12240, 15840));
    EXPECT_EQ(box.passes[1].rc, box.passes[0].rc);
    EXPECT_TRUE(printer.JobOpen());
    EXPECT_EQ(printer.count(Op::EndDoc), 0u);
    EXPECT_EQ(printer.pages().size(), 1u); // the second page is still open
    EXPECT_EQ(box.done, 1);
}

TEST(PrintRTFWordWrap, APassThatPlacesNothingMoreEndsTheLoop) {
    {
        // A rectangle smaller than one line places nothing at all.
        RecordingPrinter printer;
        ScriptedSource box(500, {0});
        PrintRTF(printer, box, 1440, 1440, 1440, 1440);
        EXPECT_EQ(box.passes.size(), 1u);
        EXPECT_EQ(printer.count(Op::NewPage), 0u);
        EXPECT_EQ(printer.jobsEnded(), 1);
    }
    {
        // One line fits, then a taller one never does.
        RecordingPrinter printer;
        ScriptedSource box(500, {40, 40});
        PrintRTFRect(printer, box, 0, 0, 0, 0, 12240.0f, 15840.0f);
        EXPECT_EQ(box.passes.size(), 2u);
        EXPECT_EQ(printer.count(Op::NewPage), 1u);
        EXPECT_EQ(box.done, 1);
    }
}

TEST(PrintRTFWordWrap, WithoutAPrinterNothingIsRenderedAndNothingFails) {
    RecordingPrinter printer;
    printer.setAvailable(false);
    ScriptedSource box(100, {100});
    PrintRTF(printer, box, 1440, 1440, 1440, 1440);
    PrintRTFRect(printer, box, 0, 0, 0, 0, 12240.0f, 15840.0f);
    EXPECT_TRUE(box.passes.empty());
    EXPECT_TRUE(printer.pages().empty());
    EXPECT_EQ(box.done, 2);
}

} // namespace
