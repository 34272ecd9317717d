// Tavrin's start-up until the window is shown with the last game file reopened, against a bare
// main window shown in the same run; prints the ratio of the two at the end.
#include "bench/BenchMain.h"
#include "common/dialogs/CommonDialog.h"
#include "common/platform/Shell.h"
#include "common/printing/Printer.h"
#include "programmer/window/Mum.h"
#include "tests/support/SilentDoubles.h"

#include <QApplication>
#include <QMainWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

struct Services {
    SilentMessageBox messageBox;
    SilentShell shell;
    CancelledDialog dialog;
    ProgrammerServices all() {
        return {messageBox, shell, dialog, [] { return nullptr; }, [] { return 0; }};
    }
};

// A program folder whose settings name a game file with every button programmed in every mode.
QString programFolder() {
    static QTemporaryDir folder;
    static const bool written = [] {
        Services services;
        Mum writer(services.all(), folder.path());
        GameData& data = writer.data();
        for (int m = 1; m <= GameData::ModeCount; ++m) {
            for (int r = 1; r <= GameData::RecordCount; ++r) {
                ButtonRecord* record = data.Record(m, r);
                record->Description = QStringLiteral("Mode %1 rec %2").arg(m).arg(r);
                record->NumKeyPresses = 2;
                record->setKeyPressLen(1, 42); // RCTL RALT DEL
                record->setKeyPressLen(2, 1);
                const QStringList bytes = {"E0", "14", "E0", "11", "E0", "71", "1C"};
                for (int j = 0; j < bytes.size(); ++j) {
                    record->setKeyCodeByte(j + 1, bytes.at(j));
                }
            }
        }
        data.GameName = QStringLiteral("Benchmark flight");
        data.SavePath = folder.filePath(QStringLiteral("Bench.gam"));
        data.SaveTitle = QStringLiteral("Bench.gam");
        return data.SaveGAMfile();
    }();
    if (!written) {
        std::fprintf(stderr, "could not write the benchmark's game file\n");
        std::exit(1);
    }
    return folder.path();
}

void BM_TavrinStartup(benchmark::State& state) {
    const QString folder = programFolder();
    Services services;
    for (auto _ : state) {
        Mum window(services.all(), folder);
        window.show();
        QCoreApplication::processEvents();
        if (window.data().CurrentFileTitle != QStringLiteral("Bench.gam")) {
            state.SkipWithError("the last game file was not reopened");
            break;
        }
    }
}
BENCHMARK(BM_TavrinStartup)->Unit(benchmark::kMillisecond);

void BM_BareMainWindowStartup(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.resize(1540, 860);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_BareMainWindowStartup)->Unit(benchmark::kMillisecond);

// Console output as usual, keeping each run's time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                times[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    chooseOffscreenPlatform();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto tavrin = reporter.times.find("BM_TavrinStartup");
    const auto bare = reporter.times.find("BM_BareMainWindowStartup");
    if (tavrin != reporter.times.end() && bare != reporter.times.end() && bare->second > 0) {
        std::printf("Tavrin start-up / bare main window start-up: %.1f\n",
                    tavrin->second / bare->second);
    }
    benchmark::Shutdown();
    return 0;
}
