// Printing a long rich-text document page by page to a PDF file.
#include "bench/BenchMain.h"
#include "common/printing/PdfPrinter.h"
#include "common/printing/PrintRTFWordWrap.h"
#include "common/richtext/RichTextBox.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// A box that counts the pages printed from it.
class CountedBox : public RichTextBox {
public:
    int FormatRange(QPainter& painter, const QRect& rc, const QRect& rcPage, int cpMin, int cpMax,
                    bool render) override {
        ++pages;
        return RichTextBox::FormatRange(painter, rc, rcPage, cpMin, cpMax, render);
    }
    long long pages = 0;
};

// About 50 lines of 12-point text fit an A4 page inside inch margins.
constexpr int Paragraphs = 2460;

void fill(RichTextBox& box) {
    QString text;
    for (int i = 1; i <= Paragraphs; ++i) {
        text += QStringLiteral("Key %1 fires the weapons of the current mode.\n").arg(i);
    }
    box.setText(text);
    box.setSelStart(0);
    box.setSelLength(box.TextLength());
    box.setSelFontName(QStringLiteral("Arial"));
    box.setSelFontSize(12.0);
    box.setSelStart(0);
}

void printFiftyPages(benchmark::State& state) {
    QTemporaryDir dir;
    CountedBox box;
    fill(box);
    for (auto _ : state) {
        PdfPrinter printer(dir.filePath(QStringLiteral("document.pdf")));
        PrintRTF(printer, box, 1440, 1440, 1440, 1440);
    }
    state.counters["pages"] =
        static_cast<double>(box.pages) / static_cast<double>(state.iterations());
}
BENCHMARK(printFiftyPages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
