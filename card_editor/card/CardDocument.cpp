#include "card_editor/card/CardDocument.h"

#include "common/platform/FileSystem.h"

QString CardDocument::iniPath() const {
    return FileSystem::joinPath(programFolder, QStringLiteral("Quillet.ini"));
}
