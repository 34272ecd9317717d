// Any bytes as a game file: opening never crashes or hangs, and what was read saves and reads
// back as the same game, byte for byte on the second save. Files live in memory.
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

QString stored(const QString& text) {
    return Cp1252::canEncode(text) ? text : Cp1252::decode(Cp1252::encode(text));
}

void storedTexts(GameData& data) {
    data.GameName = stored(data.GameName);
    for (int m = 1; m <= GameData::ModeCount; ++m) {
        for (ButtonRecord& record : *data.ModeArray(m)) {
            record.Description = stored(record.Description);
            for (int j = 1; j <= ButtonRecord::MaxBytes; ++j) {
                record.setKeyCodeByte(j, stored(record.KeyCodeByte(j)));
            }
        }
    }
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
    storedTexts(data);
    data.CreateKeyPressesARRAY();
    if (!sameGame(data, again)) {
        std::abort();
    }
    save(again, second);
    if (bytesOf(first) != bytesOf(second)) {
        std::abort();
    }
    return 0;
}
