#include "card_editor/card/RecentFiles.h"

#include "card_editor/card/CardDocument.h"
#include "common/platform/Profile.h"

#include <algorithm>

namespace RecentFiles {

void LoadRecentFiles(CardDocument& doc) {
    const QString section = QStringLiteral("Previous Files");
    const QString ini = doc.iniPath();
    const int count = std::clamp(
        Profile::readInt(section, QStringLiteral("NumberPreviousFiles"), 0, ini), 0, LoadLimit);
    doc.AutoLoadRecent = static_cast<qint16>(std::clamp(
        Profile::readInt(section, QStringLiteral("AutoLoadRecent"), 0, ini), -32768, 32767));
    doc.RecentFiles.clear();
    for (int i = 1; i <= count; ++i) {
        doc.RecentFiles << Profile::readString(
            section, QStringLiteral("PreviousFilePath") + QString::number(i), QString(), 100, ini);
    }
}

} // namespace RecentFiles
