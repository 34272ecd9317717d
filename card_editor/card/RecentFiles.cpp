#include "card_editor/card/RecentFiles.h"

#include "card_editor/card/CardDocument.h"
#include "common/platform/FileSystem.h"
#include "common/platform/Profile.h"
#include "common/platform/ProfileText.h"

#include <algorithm>

namespace RecentFiles {

namespace {

const QString Section = QStringLiteral("Previous Files");
const QString CountKey = QStringLiteral("NumberPreviousFiles");
const QString AutoLoadKey = QStringLiteral("AutoLoadRecent");

QString pathKey(int i) {
    return QStringLiteral("PreviousFilePath") + QString::number(i);
}

// Numbers in this section are written with a leading blank when not negative (" 3").
QString numberText(int value) {
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value);
}

} // namespace

void LoadRecentFiles(CardDocument& doc) {
    const Profile::Reader ini(doc.iniPath());
    const int count = std::clamp(ini.readInt(Section, CountKey, 0), 0, LoadLimit);
    doc.AutoLoadRecent =
        static_cast<qint16>(std::clamp(ini.readInt(Section, AutoLoadKey, 0), -32768, 32767));
    doc.RecentFiles.clear();
    for (int i = 1; i <= count; ++i) {
        doc.RecentFiles << ini.readString(Section, pathKey(i), QString(), PathBuffer);
    }
}

bool IsRecentFile(const CardDocument& doc, const QString& path) {
    return doc.RecentFiles.contains(path);
}

void AddToRecentFiles(CardDocument& doc) {
    doc.CurrentFile = FileSystem::storedPathCase(doc.CurrentFile);
    if (!ProfileText::canStore(Section, pathKey(1), doc.CurrentFile)) {
        return; // a line break: listed, it would make every later write of the list fail
    }
    QStringList& list = doc.RecentFiles;
    const qsizetype at = list.indexOf(doc.CurrentFile);
    const qsizetype limit = std::max<qsizetype>(doc.RecentMax, 1);
    if (at > 0) {
        list.move(at, 0);
    } else if (at < 0) {
        if (list.size() >= limit) {
            // Only the entries up to the limit move down; a longer hand-made list keeps the rest.
            list.removeAt(limit - 1);
        }
        list.prepend(doc.CurrentFile);
    }
    QList<std::pair<QString, QString>> keys{{CountKey, numberText(int(list.size()))}};
    for (int i = 1; i <= list.size(); ++i) {
        keys.append({pathKey(i), list[i - 1]});
    }
    Profile::writeStrings(Section, keys, doc.iniPath());
}

void ClearRecentFiles(CardDocument& doc) {
    QList<std::pair<QString, QString>> keys;
    for (int i = 1; i <= doc.RecentFiles.size(); ++i) {
        keys.append({pathKey(i), QString()});
    }
    keys.append({CountKey, numberText(0)});
    keys.append({AutoLoadKey, numberText(0)});
    doc.RecentFiles.clear();
    doc.AutoLoadRecent = 0;
    Profile::writeStrings(Section, keys, doc.iniPath());
}

void SaveAutoLoad(const CardDocument& doc) {
    Profile::writeString(Section, AutoLoadKey, numberText(doc.AutoLoadRecent), doc.iniPath());
}

} // namespace RecentFiles
