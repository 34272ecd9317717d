// Any bytes as a game file: opening never crashes or hangs, and what was read saves and reads
// back as the same game, byte for byte on the second save. Files live in memory.
//
// A save is made only of what sameGame compares, so when the game read back equals the game
// saved, a second save could differ from the first only through texts respelt for the
// comparison; only then is it made. The saved file is read back by the game-file reader alone:
// the rest of opening (settings, key texts, the view) ran on the input already.
#include "common/dialogs/CommonDialog.h"
#include "programmer/gamedata/GameData.h"
#include "tests/support/SilentDoubles.h"

#include "common/platform/Cp1252.h"
#include "common/platform/FileSystem.h"
#include "common/platform/TextFile.h"
#include "fuzz/ScratchFolder.h"
#include "programmer/gamedata/GameFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The game file is always reopened from the settings, so no dialog is ever shown.
class NoDialog : public CommonDialog {
public:
    bool ShowOpen() override { std::abort(); }
    bool ShowSave() override { std::abort(); }
    bool ShowFont() override { std::abort(); }
    bool ShowColor() override { std::abort(); }
    bool ShowFolder() override { std::abort(); }
};

QByteArray bytesOf(const QString& path) {
    return FileSystem::readFile(path).value_or(QByteArray());
}

void reopen(GameData& data, NoDialog& dialog, const QString& path) {
    data.Settings.LastGamPath = path;
    data.Settings.LastGamName = QStringLiteral("x.gam");
    data.ReopenLastGamFile = 1;
    if (!data.OpenGamFile(dialog)) {
        std::abort();
    }
}

void save(GameData& data, const QString& path) {
    data.SavePath = path;
    data.SaveTitle = QStringLiteral("x.gam");
    if (!data.SaveGAMfile()) {
        std::abort();
    }
}

// Replaces text by what the file stores for it; true when that differs.
bool respell(QString& text) {
    if (Cp1252::canEncode(text)) {
        return false;
    }
    text = Cp1252::decode(Cp1252::encode(text));
    return true;
}

// The texts of data as the game file stores them; true when any of them changed.
bool storedTexts(GameData& data) {
    bool changed = respell(data.GameName);
    for (int m = 1; m <= GameData::ModeCount; ++m) {
        for (ButtonRecord& record : *data.ModeArray(m)) {
            changed = respell(record.Description) || changed;
            for (int j = 1; j <= ButtonRecord::MaxBytes; ++j) {
                QString code = record.KeyCodeByte(j);
                if (respell(code)) {
                    record.setKeyCodeByte(j, code);
                    changed = true;
                }
            }
        }
    }
    return changed;
}

// What the file stores: the key texts, derived from it, are left out.
bool sameGame(GameData& a, const GameData& b) {
    if (a.GameName != b.GameName) {
        return false;
    }
    for (int m = 1; m <= GameData::ModeCount; ++m) {
        for (ButtonRecord& record : *a.ModeArray(m)) {
            record.KeyText.clear();
        }
        if (!(*a.ModeArray(m) == *b.ModeArray(m))) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QString dir = scratchFolder();
    const QString input = dir + QStringLiteral("/input.gam");
    const QString first = dir + QStringLiteral("/first.gam");
    const QString second = dir + QStringLiteral("/second.gam");
    const QByteArray inputBytes(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    if (!FileSystem::replaceFile(input, inputBytes)) {
        std::abort();
    }

    SilentView view;
    SilentMessageBox box;
    NoDialog dialog;
    // Settings go to a folder that does not exist: their writes fail at once, which keeps the
    // runs fast and shows that a failing settings file changes nothing here.
    const QString noSettings = dir + QStringLiteral("/none");
    GameData data{view, box};
    data.ProgramFolder = noSettings;
    reopen(data, dialog, input);
    save(data, first); // a name of fewer than two characters becomes "Unknown" here

    GameData again{view, box};
    again.ProgramFolder = noSettings;
    const QString text = TextFile::decode(bytesOf(first));
    GameFile::Read(TextFile::splitLineViews(text), again);
    // A file read as UTF-8 (after its byte-order mark) may hold letters the game file stores
    // as "?": compare with the texts as they were written. A Windows-1252 file holds none.
    const bool respelt = inputBytes.startsWith(TextFile::Utf8Bom) && storedTexts(data);
    if (!sameGame(data, again)) {
        std::abort();
    }
    if (respelt) {
        save(again, second);
        if (bytesOf(first) != bytesOf(second)) {
            std::abort();
        }
    }
    return 0;
}
