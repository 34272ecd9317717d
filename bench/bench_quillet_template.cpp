// Quillet's templates: saving a card with 35 formatted boxes and a picture, and opening it.
#include "bench/BenchMain.h"
#include "bench/QuilletBenchServices.h"
#include "card_editor/window/FrmTemplate.h"
#include "card_editor/window/MovablePicture.h"
#include "common/platform/FileSystem.h"
#include "common/printing/Printer.h"
#include "common/richtext/RichTextBox.h"
#include "tests/support/SilentDoubles.h"

#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A started window whose boxes each hold three lines in three styles, with a picture.
struct FilledCard {
    FilledCard() : window(services.get(), dir.path()) {
        QImage image(289, 289, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        picture = FileSystem::joinPath(dir.path(), "Images/controller.png");
        image.save(picture);
        window.Image1().setPicture(image);
        window.document().ImagePath = picture;
        for (int i = 0; i < 35; ++i) {
            RichTextBox& box = window.RTFbtn(i);
            box.setText(QString());
            const std::uint32_t colours[] = {0x000000, 0x808080, 0xFF0000};
            for (int line = 0; line < 3; ++line) {
                box.setSelColor(colours[line]);
                box.setSelBold(line == 1);
                box.setSelItalic(line == 2);
                box.setSelFontSize(8 + line);
                box.setSelText(QStringLiteral("Box %1 line %2%3")
                                   .arg(i)
                                   .arg(line)
                                   .arg(line < 2 ? QStringLiteral("\r\n") : QString()));
            }
        }
        window.document().TemplateName = QStringLiteral("bench");
    }

    QTemporaryDir dir;
    QuilletBenchServices services;
    QString picture;
    FrmTemplate window;
};

void BM_SaveTemplate(benchmark::State& state) {
    FilledCard card;
    for (auto _ : state) {
        card.window.SaveTemplate();
    }
    if (!FileSystem::fileExists(FileSystem::joinPath(card.window.document().TemplatesDirectory,
                                                     "bench/TextBox34.rtf"))) {
        state.SkipWithError("the template was not saved");
    }
}
BENCHMARK(BM_SaveTemplate)->Unit(benchmark::kMillisecond);

void BM_OpenTemplate(benchmark::State& state) {
    FilledCard card;
    card.window.SaveTemplate();
    card.window.TemplateFile = card.window.document().CurrentFile;
    for (auto _ : state) {
        card.window.OpenTemplate();
        benchmark::DoNotOptimize(card.window.RTFbtn(34).Text());
    }
    if (card.window.RTFbtn(34).Text() !=
            QStringLiteral("Box 34 line 0\r\nBox 34 line 1\r\nBox 34 line 2") ||
        card.window.document().ImagePath != card.picture) {
        state.SkipWithError("the template did not open");
    }
}
BENCHMARK(BM_OpenTemplate)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
