// Quillet: opening a full game file and rebuilding every box, the start-up until the window is
// shown with the most recent file loaded, beside a bare Qt window's start-up, and capturing the
// full card into a bitmap file.
#include "bench/BenchMain.h"
#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/FrmTemplate.h"
#include "common/dialogs/QtCommonDialog.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/platform/Shell.h"
#include "common/platform/TextFile.h"
#include "common/printing/Printer.h"
#include "common/richtext/RichTextBox.h"
#include "programmer/gamedata/GameData.h"
#include "tests/support/SilentDoubles.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A program folder with the shipped card picture and a game file, saved by Tavrin's game data,
// that describes every button in every mode with 16 characters.
struct ProgramFolder {
    ProgramFolder() {
        QFile::copy(QStringLiteral(TAVRIN_BIN_DIR "/Gamecard.bmp"),
                    FileSystem::joinPath(dir.path(), "Gamecard.bmp"));
        game = FileSystem::joinPath(dir.path(), "full.gam");
        SilentView view;
        SilentMessageBox messageBox;
        GameData data(view, messageBox);
        data.ProgramFolder = dir.path();
        data.GameName = "A full game";
        for (int m = 1; m <= GameData::ModeCount; ++m) {
            for (int r = 1; r <= GameData::RecordCount; ++r) {
                data.Record(m, r)->Description =
                    QStringLiteral("Mode %1 button %2").arg(m).arg(r, 2, 10, QChar('0'));
            }
        }
        data.SavePath = game;
        data.SaveTitle = "full.gam";
        data.SaveGAMfile();
        TextFile::writeLines(FileSystem::joinPath(dir.path(), "Quillet.ini"),
                             {"[Previous Files]", "NumberPreviousFiles= 1", "AutoLoadRecent= 1",
                              "PreviousFilePath1=" + game});
    }

    QTemporaryDir dir;
    QString game;
};

struct Services {
    SilentMessageBox messageBox;
    // Never shown: every file is opened without the dialog.
    QtCommonDialog dialog;
    QtShell shell;
    QuilletServices get() {
        return QuilletServices{messageBox, dialog, shell,
                               []() -> std::unique_ptr<Printer> { return nullptr; },
                               [] { return 0; }};
    }
};

void BM_OpenFullGameAndRebuild(benchmark::State& state) {
    ProgramFolder folder;
    Services services;
    FrmTemplate window(services.get(), folder.dir.path());
    for (auto _ : state) {
        window.document().PendingFile = folder.game;
        window.document().OpenPending = 1;
        window.OpenGamFile();
        benchmark::DoNotOptimize(window.RTFbtn(0).Text());
    }
    if (window.RTFbtn(0).Text().count(QStringLiteral("\r\n")) != 4) {
        state.SkipWithError("the boxes were not filled");
    }
}
BENCHMARK(BM_OpenFullGameAndRebuild)->Unit(benchmark::kMillisecond);

void BM_QuilletStartupWithRecentFile(benchmark::State& state) {
    ProgramFolder folder;
    Services services;
    for (auto _ : state) {
        FrmTemplate window(services.get(), folder.dir.path());
        window.show();
        QApplication::processEvents();
        if (window.RTFbtn(34).Text() != QStringLiteral("A full game")) {
            state.SkipWithError("the most recent file was not loaded");
            break;
        }
    }
}
BENCHMARK(BM_QuilletStartupWithRecentFile)->Unit(benchmark::kMillisecond);

void BM_CaptureCardToBitmap(benchmark::State& state) {
    ProgramFolder folder;
    Services services;
    FrmTemplate window(services.get(), folder.dir.path());
    // A view larger than the card, so that the card can be captured.
    window.resize(900, 800 + window.menuBar()->sizeHint().height());
    window.show();
    QApplication::processEvents();
    const QString bitmap = FileSystem::joinPath(folder.dir.path(), "Images/A full game.bmp");
    for (auto _ : state) {
        window.mnuCaptureAsBitmap_Click();
    }
    if (QImage(bitmap).size() != window.BackgroundImage().size()) {
        state.SkipWithError("the card was not captured");
    }
}
BENCHMARK(BM_CaptureCardToBitmap)->Unit(benchmark::kMillisecond);

void BM_BareQtWindowStartup(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.resize(764, 704);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BareQtWindowStartup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
