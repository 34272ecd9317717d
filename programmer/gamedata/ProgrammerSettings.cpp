#include "programmer/gamedata/ProgrammerSettings.h"

#include "common/platform/FileSystem.h"
#include "common/platform/Profile.h"

#include <algorithm>

namespace {

// Longest text value read back, as the fixed read buffer allows.
constexpr int ReadBuffer = 500;

} // namespace

QString ProgrammerSettings::FilePath(const QString& programFolder) {
    return FileSystem::joinPath(programFolder, FileName);
}

void ProgrammerSettings::Read(const QString& programFolder) {
    const Profile::Reader file(FilePath(programFolder));
    const auto text = [&file](const QString& key) {
        return file.readString(Section, key, QString(), ReadBuffer);
    };
    Lastfolder = text(QStringLiteral("Lastfolder"));
    if (Lastfolder.isEmpty()) {
        Lastfolder = FileSystem::joinPath(programFolder, QString());
    }
    LastGamPath = text(QStringLiteral("LastGamPath"));
    LastGamName = text(QStringLiteral("LastGamName"));
    LastTextfolder = text(QStringLiteral("LastTextfolder"));
    if (LastTextfolder.isEmpty()) {
        LastTextfolder = Lastfolder;
    }
    LastTextFilePath = text(QStringLiteral("LastTextFilePath"));
    LastTextFileName = text(QStringLiteral("LastTextFileName"));
    AlwaysChorded = file.readInt(Section, QStringLiteral("AlwaysChorded"), 1);
}

bool ProgrammerSettings::Write(const QString& programFolder) const {
    const QString file = FilePath(programFolder);
    // One replacement of the file for all seven keys: each write is synced to disk.
    return Profile::writeStrings(
        Section,
        {
            {QStringLiteral("Lastfolder"), Lastfolder},
            {QStringLiteral("LastGamPath"), LastGamPath},
            {QStringLiteral("LastGamName"), LastGamName},
            {QStringLiteral("LastTextfolder"), LastTextfolder},
            {QStringLiteral("LastTextFilePath"), LastTextFilePath},
            {QStringLiteral("LastTextFileName"), LastTextFileName},
            {QStringLiteral("AlwaysChorded"), QString::number(AlwaysChorded)},
        },
        file);
}

QString ProgrammerSettings::FolderOf(const QString& path) {
    qsizetype end = path.lastIndexOf(u'/');
#ifdef Q_OS_WIN
    end = std::max(end, path.lastIndexOf(u'\\'));
#endif
    return end < 0 ? QString() : path.left(end + 1);
}
