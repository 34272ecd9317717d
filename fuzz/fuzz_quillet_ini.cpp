// "Quillet.ini" as the card editor reads it at start: file locations, styles, the lowest-row
// choice and the recent files. Any bytes must read without a crash or a hang, and what was
// read must be written and read back.
#include "card_editor/card/CardDocument.h"
#include "card_editor/card/CardSettings.h"
#include "card_editor/card/RecentFiles.h"

#include "fuzz/ScratchFolder.h"
#include <QDir>

#include <QFile>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTemporaryDir& folder = scratchFolder();
    CardDocument doc;
    doc.programFolder = folder.path();
    {
        QFile ini(doc.iniPath());
        if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        ini.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    CardSettings::LoadFileLocations(doc);
    CardSettings::LoadStyles(doc);
    CardSettings::LoadBottomRow(doc);
    RecentFiles::LoadRecentFiles(doc);
    if (doc.RecentFiles.size() > RecentFiles::LoadLimit) {
        std::abort();
    }

    CardSettings::SaveFileLocations(doc);
    CardSettings::SaveStyles(doc);
    CardSettings::SaveBottomRow(doc);
    CardDocument back;
    back.programFolder = doc.programFolder;
    CardSettings::LoadStyles(back);
    CardSettings::LoadBottomRow(back);
    if (back.StyleFontSize != doc.StyleFontSize || back.StyleFontColour != doc.StyleFontColour ||
        back.BottomRow != doc.BottomRow) {
        std::abort();
    }
    return 0;
}
