// Any bytes as a game file: opening never crashes or hangs, and what was read saves and reads
// back as the same game, byte for byte on the second save. Files live in memory.
//
// A save is made only of what sameGame compares, so when the game read back equals the game
// saved, a second save could differ from the first only through texts respelt for the
// comparison; only then is it made. That keeps two reads and one save per input.
#include "common/dialogs/CommonDialog.h"
#include "programmer/gamedata/GameData.h"
#include "tests/support/SilentDoubles.h"

#include "common/platform/Cp1252.h"
#include "common/platform/FileSystem.h"
#include "fuzz/ScratchFolder.h"

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

bool sameGame(const GameData& a, const GameData& b) {
    if (a.GameName != b.GameName) {
        return false;
    }
    for (int m = 1; m <= GameData::ModeCount; ++m) {
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
    if (!FileSystem::replaceFile(input, QByteArray(reinterpret_cast<const char*>(bytes),
                                                   static_cast<qsizetype>(size)))) {
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
    reopen(again, dialog, first);
    // A file read as UTF-8 (after its byte-order mark) may hold letters the game file stores
    // as "?": compare with the texts as they were written.
    const bool respelt = storedTexts(data);
    if (respelt) {
        data.CreateKeyPressesARRAY(); // the key names follow the code bytes
    }
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
