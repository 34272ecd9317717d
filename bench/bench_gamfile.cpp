// Open and save of a full game file: all 140 records with 14 code bytes, 14 presses and a
// 16-character description.
#include "common/dialogs/CommonDialog.h"
#include "programmer/gamedata/GameData.h"
#include "tests/support/SilentDoubles.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Fourteen one-byte presses of "a" in every record, each with a description of 16 characters.
void ProgramFull(GameData& data) {
    data.GameName = QStringLiteral("Benchmark game");
    for (int m = 1; m <= GameData::ModeCount; ++m) {
        for (int r = 1; r <= GameData::RecordCount; ++r) {
            ButtonRecord& record = *data.Record(m, r);
            record.NumKeyPresses = ButtonRecord::MaxBytes;
            for (int j = 1; j <= ButtonRecord::MaxBytes; ++j) {
                record.setKeyPressLen(j, 1);
                record.setKeyCodeByte(j, QStringLiteral("1C"));
            }
            record.Description = QStringLiteral("Mode %1 rec %2 \u00e9!").arg(m).arg(r, 2);
        }
    }
}

struct Fixture {
    QTemporaryDir dir;
    SilentView view;
    SilentMessageBox box;
    CancelledDialog dialog;
    GameData data{view, box};

    Fixture() {
        data.ProgramFolder = dir.path();
        ProgramFull(data);
        data.SavePath = dir.filePath(QStringLiteral("Full.gam"));
        data.SaveTitle = QStringLiteral("Full.gam");
    }
};

void BM_SaveFullGamFile(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        if (!f.data.SaveGAMfile()) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveFullGamFile)->Unit(benchmark::kMicrosecond);

void BM_OpenFullGamFile(benchmark::State& state) {
    Fixture f;
    if (!f.data.SaveGAMfile()) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        f.data.Settings.LastGamPath = f.data.SavePath;
        f.data.Settings.LastGamName = f.data.SaveTitle;
        f.data.ReopenLastGamFile = 1;
        f.data.OpenGamFile(f.dialog);
    }
    if (f.data.Record(5, 28)->Description.size() != 16) {
        state.SkipWithError("file did not read back");
    }
}
BENCHMARK(BM_OpenFullGamFile)->Unit(benchmark::kMicrosecond);

// The seven settings writes that open and save both make, for comparison.
void BM_WriteIniSettings(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        f.data.WriteIniSettings();
    }
}
BENCHMARK(BM_WriteIniSettings)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
