#include "card_editor/card/DefaultImages.h"

#include "card_editor/card/CardDocument.h"
#include "common/platform/FileSystem.h"
#include "common/platform/Profile.h"

namespace DefaultImages {

namespace {

const QString Section = QStringLiteral("Default images");
// Room for the longest path a file system hands out, so a deep folder is never cut short.
constexpr int PathBuffer = 32768;

} // namespace

QString none() {
    return QStringLiteral("none");
}

bool isNone(const QString& path) {
    return path.compare(none(), Qt::CaseInsensitive) == 0;
}

QString read(const CardDocument& doc) {
    if (doc.GameName.isEmpty()) {
        return none();
    }
    const QString value =
        Profile::readString(Section, doc.GameName, none(), PathBuffer, doc.iniPath());
    return isNone(value) ? none() : FileSystem::storedPathCase(value);
}

bool save(const CardDocument& doc) {
    if (doc.GameName.isEmpty() || doc.ImagePath.isEmpty() || isNone(doc.ImagePath)) {
        return false;
    }
    return Profile::writeString(Section, doc.GameName, doc.ImagePath, doc.iniPath());
}

} // namespace DefaultImages
