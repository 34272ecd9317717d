// Reading and writing a RichEdit-style RTF document of about 1 MB, beside two independent
// readers of the same file: `unrtf --text` and a LibreOffice headless conversion to HTML
// (wall-clock time of the whole program, start-up included).

#include "bench/BenchMain.h"
#include "common/richtext/Rtf.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

void addParagraph(QTextCursor& cursor, int paragraph) {
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Arial")});
    plain.setFontPointSize(10);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat red = plain;
    red.setForeground(QColor(255, 0, 0));
    red.setFontItalic(true);
    QTextCharFormat big = plain;
    big.setFontFamilies({QStringLiteral("Times New Roman")});
    big.setFontPointSize(14);
    big.setFontUnderline(true);
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    QTextBlockFormat block;
    block.setAlignment(aligns[paragraph % 3]);
    if (paragraph > 0) {
        cursor.insertBlock(block);
    }
    cursor.setBlockFormat(block);
    cursor.insertText(QStringLiteral("Button %1 fires the ").arg(paragraph), plain);
    cursor.insertText(QStringLiteral("main cannon"), bold);
    cursor.insertText(QStringLiteral(" in mode 2; caf\u00e9 \u201cquoted\u201d text, "), plain);
    cursor.insertText(QStringLiteral("red warning \u0416\u0443\u043a"), red);
    cursor.insertText(QStringLiteral(" and\ta tab, then "), plain);
    cursor.insertText(QStringLiteral("large heading {braces} \\ backslash"), big);
    cursor.insertText(QStringLiteral(" to end the line."), plain);
}

// Paragraphs of mixed formatting, accented and non-Latin text, as a rich-text box holds them,
// written as RTF of about the given size.
QByteArray richEditDocument(qsizetype size) {
    constexpr int kSample = 100;
    QTextDocument document;
    QTextCursor cursor(&document);
    for (int paragraph = 0; paragraph < kSample; ++paragraph) {
        addParagraph(cursor, paragraph);
    }
    const qsizetype paragraphs = size * kSample / Rtf::write(document).size();
    for (qsizetype paragraph = kSample; paragraph < paragraphs; ++paragraph) {
        addParagraph(cursor, static_cast<int>(paragraph));
    }
    return Rtf::write(document);
}

void readRtf(benchmark::State& state, const QByteArray& rtf) {
    for (auto _ : state) {
        QTextDocument document;
        QTextCursor cursor(&document);
        Rtf::read(rtf, cursor);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void writeRtf(benchmark::State& state, const QByteArray& rtf) {
    QTextDocument document;
    QTextCursor cursor(&document);
    Rtf::read(rtf, cursor);
    for (auto _ : state) {
        const QByteArray written = Rtf::write(document);
        benchmark::DoNotOptimize(written.size());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

// Times a shell command; reports an error when the program is missing or fails.
void runCommand(benchmark::State& state, const char* program, const std::string& command,
                qsizetype bytes) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
        state.SkipWithError((std::string(program) + " is not installed").c_str());
        return;
    }
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError((std::string(program) + " failed").c_str());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

} // namespace

int main(int argc, char** argv) {
    chooseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const QByteArray rtf = richEditDocument(1024 * 1024);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("document.rtf"));
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        return 1;
    }
    file.close();
    const std::string quoted = "'" + path.toStdString() + "'";
    const std::string work = "'" + dir.path().toStdString() + "'";

    benchmark::RegisterBenchmark("Rtf::read 1 MB", readRtf, rtf)->Unit(benchmark::kMillisecond);
    // Four times the input must take about four times as long.
    benchmark::RegisterBenchmark("Rtf::read 4 MB", readRtf, richEditDocument(4 * 1024 * 1024))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Rtf::write 1 MB", writeRtf, rtf)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("unrtf --text 1 MB", runCommand, "unrtf",
                                 "unrtf --text " + quoted + " >/dev/null 2>&1", rtf.size())
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("soffice --convert-to html 1 MB", runCommand, "soffice",
                                 "soffice -env:UserInstallation=file://" +
                                     dir.path().toStdString() +
                                     "/profile --headless --convert-to html --outdir " + work +
                                     " " + quoted + " >/dev/null 2>&1",
                                 rtf.size())
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
