// The key-assignment document of 200 paragraphs: opening, saving as RTF and as plain text, and
// printing to a PDF file, each through the window's own commands.
#include "bench/BenchMain.h"
#include "common/dialogs/CommonDialog.h"
#include "common/printing/PdfPrinter.h"
#include "common/richtext/RichTextBox.h"
#include "programmer/window/Mum.h"
#include "tests/support/SilentDoubles.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Paragraphs = 200;

// Every file dialog picks the same file.
class FixedDialog : public CommonDialog {
public:
    explicit FixedDialog(QString path) : path_(std::move(path)) {}
    bool ShowOpen() override { return pick(); }
    bool ShowSave() override { return pick(); }
    bool ShowFont() override { return false; }
    bool ShowColor() override { return false; }
    bool ShowFolder() override { return false; }
    void setPath(const QString& path) { path_ = path; }

private:
    bool pick() {
        acceptFile(path_);
        return true;
    }
    QString path_;
};

// A window in a scratch folder holding the document, saved once as name.
struct Bench {
    explicit Bench(const QString& name)
        : dialog(folder.filePath(name)),
          window(ProgrammerServices{messageBox, shell, dialog,
                                    [this] {
                                        return std::make_unique<PdfPrinter>(
                                            folder.filePath(QStringLiteral("document.pdf")));
                                    },
                                    [] { return 1; }},
                 folder.path()) {
        RichTextBox& box = *window.TemplateText;
        for (int i = 1; i <= Paragraphs; ++i) {
            box.setSelStart(box.TextLength());
            box.setSelBold(true);
            box.setSelText(QStringLiteral("Button %1: ").arg(i));
            box.setSelBold(false);
            box.setSelText(QStringLiteral("Views Out looks left, Wingman calls for cover, "
                                          "Weapons fires the selected missile.\r\n"));
        }
        window.SaveTextFileAs();
    }

    QTemporaryDir folder;
    SilentMessageBox messageBox;
    SilentShell shell;
    FixedDialog dialog;
    Mum window;
};

void open(benchmark::State& state, const char* name) {
    Bench bench(QString::fromLatin1(name));
    for (auto _ : state) {
        bench.window.TextChanged = 0;
        bench.window.OpenTextFile();
    }
    if (bench.window.TemplateText->Text().count(QStringLiteral("Button")) != Paragraphs) {
        state.SkipWithError("the document did not open whole");
    }
}

void save(benchmark::State& state, const char* name) {
    Bench bench(QString::fromLatin1(name));
    for (auto _ : state) {
        bench.window.SaveTextFile();
    }
    if (bench.window.TextChanged != 0) {
        state.SkipWithError("the document was not saved");
    }
}

void BM_OpenRtfDocument(benchmark::State& state) {
    open(state, "keys.rtf");
}
BENCHMARK(BM_OpenRtfDocument)->Unit(benchmark::kMillisecond);

void BM_OpenPlainDocument(benchmark::State& state) {
    open(state, "keys.txt");
}
BENCHMARK(BM_OpenPlainDocument)->Unit(benchmark::kMillisecond);

void BM_SaveRtfDocument(benchmark::State& state) {
    save(state, "keys.rtf");
}
BENCHMARK(BM_SaveRtfDocument)->Unit(benchmark::kMillisecond);

void BM_SavePlainDocument(benchmark::State& state) {
    save(state, "keys.txt");
}
BENCHMARK(BM_SavePlainDocument)->Unit(benchmark::kMillisecond);

void BM_PrintDocumentToPdf(benchmark::State& state) {
    Bench bench(QStringLiteral("keys.rtf"));
    for (auto _ : state) {
        bench.window.PrintTextFile();
    }
}
BENCHMARK(BM_PrintDocumentToPdf)->Unit(benchmark::kMillisecond);

// A document of several megabytes, as plain text and as RTF.
void openLarge(benchmark::State& state, const char* name, bool rtf) {
    Bench bench(QString::fromLatin1(name));
    QByteArray bytes = rtf ? "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}" : "";
    for (int i = 0; bytes.size() < 4 * 1024 * 1024; ++i) {
        bytes.append(
            rtf ? QStringLiteral("{\\b Key %1} drops {\\i flares}\\par\n").arg(i).toLatin1()
                : QStringLiteral("Key %1 drops flares\r\n").arg(i).toLatin1());
    }
    bytes.append(rtf ? "}" : "");
    QFile file(bench.folder.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("could not write the large document");
        return;
    }
    file.close();
    for (auto _ : state) {
        bench.window.TextChanged = 0;
        bench.window.OpenTextFile();
    }
}

void BM_OpenFourMegabytesOfPlainText(benchmark::State& state) {
    openLarge(state, "large.txt", false);
}
BENCHMARK(BM_OpenFourMegabytesOfPlainText)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenFourMegabytesOfRtf(benchmark::State& state) {
    openLarge(state, "large.rtf", true);
}
BENCHMARK(BM_OpenFourMegabytesOfRtf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
