// "Quillet.ini" as the card editor reads it at start: file locations, styles, the lowest-row
// choice and the recent files. Any bytes must read without a crash or a hang, and what was
// read must be written and read back.
#include "card_editor/card/CardDocument.h"
#include "card_editor/card/CardSettings.h"
#include "card_editor/card/RecentFiles.h"

#include "common/platform/FileSystem.h"
#include "fuzz/ScratchFolder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CardDocument doc;
    doc.programFolder = scratchFolder();
    if (!FileSystem::replaceFile(doc.iniPath(), QByteArray(reinterpret_cast<const char*>(data),
                                                           static_cast<qsizetype>(size)))) {
        std::abort();
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
