// Quillet: opening a full game file and rebuilding every box, and the start-up until the
// window is shown with the most recent file loaded, beside a bare Qt window's start-up. Then
// the grid: snapping and resizing all 35 boxes, drawing the grid twice over the card, and one
// mouse move of a drag, which must follow the pointer without lag. Last, capturing the full
// card into a bitmap file.
#include "bench/BenchMain.h"
#include "bench/QuilletBenchServices.h"
#include "card_editor/window/CardGrid.h"
#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/FrmTemplate.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/platform/Shell.h"
#include "common/platform/TextFile.h"
#include "common/printing/Printer.h"
#include "common/richtext/RichTextBox.h"
#include "programmer/gamedata/GameData.h"
#include "tests/support/SilentDoubles.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
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

void BM_OpenFullGameAndRebuild(benchmark::State& state) {
    ProgramFolder folder;
    QuilletBenchServices services;
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
    QuilletBenchServices services;
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
    QuilletBenchServices services;
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

// A window on the shipped card with every box off the grid.
struct CardWindow {
    CardWindow() : window(services.get(), folder.dir.path()) {
        window.show();
        QApplication::processEvents();
    }
    void scatterBoxes() {
        for (int i = 0; i < 35; ++i) {
            window.RTFbtn(i).setGeometry(23 + 13 * (i % 5), 47 + 19 * (i / 5), 100, 33);
        }
    }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }

    ProgramFolder folder;
    QuilletBenchServices services;
    FrmTemplate window;
};

void BM_SnapAndResizeAllBoxesToTheGrid(benchmark::State& state) {
    CardWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        w.scatterBoxes();
        state.ResumeTiming();
        w.item("mnuSnapToGrid_1")->trigger();
        w.item("mnuResizeToGrid_1")->trigger();
    }
    if (w.window.RTFbtn(34).geometry() != QRect(75, 160, 105, 35)) {
        state.SkipWithError("the boxes were not on the grid");
    }
}
BENCHMARK(BM_SnapAndResizeAllBoxesToTheGrid)->Unit(benchmark::kMicrosecond);

// The grid shown and taken away again, each time painted on the card as the user sees it.
void BM_ShowGridTwiceOverTheCard(benchmark::State& state) {
    CardWindow w;
    CardPictureBox& card = w.window.BackgroundImage();
    for (auto _ : state) {
        w.item("mnuShowGrid")->trigger();
        card.repaint();
        w.item("mnuShowGrid")->trigger();
        card.repaint();
    }
}
BENCHMARK(BM_ShowGridTwiceOverTheCard)->Unit(benchmark::kMicrosecond);

// The inverting lines alone, drawn twice over the card picture at the finest step, which gives
// back every pixel.
void BM_InvertGridTwiceAtStep2(benchmark::State& state) {
    CardWindow w;
    QImage card =
        w.window.BackgroundImage().picture().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage before = card;
    CardGrid grid;
    for (auto _ : state) {
        QPainter painter(&card);
        grid.paintInverted(painter, card.size(), 2, card.rect());
        grid.paintInverted(painter, card.size(), 2, card.rect());
    }
    if (card != before) {
        state.SkipWithError("drawing the grid twice changed the card");
    }
}
BENCHMARK(BM_InvertGridTwiceAtStep2)->Unit(benchmark::kMicrosecond);

void sendMove(QWidget* to, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, at, to->mapToGlobal(at), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(to, &move);
}

// One mouse move of a right-drag on the card that moves the current box, and of a left-drag
// that resizes a box; arg 1 also paints what the move changed, as the next frame does.
void BM_RightDragMoveEvent(benchmark::State& state) {
    CardWindow w;
    QWidget* card = &w.window.BackgroundImage();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 100), QPointF(100, 100),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(card, &press);
    int step = 0;
    for (auto _ : state) {
        sendMove(card, QPoint(100 + step % 200, 100 + step % 150), Qt::RightButton);
        ++step;
        if (state.range(0) == 1) {
            QApplication::processEvents();
        }
    }
    if (w.window.RTFbtn(0).x() < 100) {
        state.SkipWithError("the box did not follow the pointer");
    }
}
BENCHMARK(BM_RightDragMoveEvent)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ResizeDragMoveEvent(benchmark::State& state) {
    CardWindow w;
    RichTextBox& box = w.window.RTFbtn(12);
    QWidget* viewport = box.viewport();
    const QPoint offset = viewport->pos();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    sendMove(viewport, QPoint(box.width() - 2, 5) - offset, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        sendMove(viewport, QPoint(60 + step % 100, 30 + step % 40) - offset, Qt::LeftButton);
        ++step;
        if (state.range(0) == 1) {
            QApplication::processEvents();
        }
    }
    if (w.window.MousePointer() != 5) {
        state.SkipWithError("the drag did not resize");
    }
}
BENCHMARK(BM_ResizeDragMoveEvent)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
