// Printing a long rich-text document page by page to a PDF file.
#include "common/printing/PdfPrinter.h"
#include "common/printing/PrintRTFWordWrap.h"
#include "common/printing/tests/DocumentSource.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

// Until the rich-text box is available here the document source stands in for it.
#include "common/printing/tests/DocumentSource.cpp"

namespace {

// About 50 lines of 12-point text fit an A4 page inside inch margins.
constexpr int Paragraphs = 2360;

void printFiftyPages(benchmark::State& state) {
    QTemporaryDir dir;
    DocumentSource box(numberedParagraphs(Paragraphs));
    for (auto _ : state) {
        PdfPrinter printer(dir.filePath(QStringLiteral("document.pdf")));
        PrintRTF(printer, box, 1440, 1440, 1440, 1440);
    }
    state.counters["pages"] =
        static_cast<double>(box.passes) / static_cast<double>(state.iterations());
}
BENCHMARK(printFiftyPages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
