#include "card_editor/card/TemplateFolder.h"

#include "common/platform/FileSystem.h"

#include <QDir>
#include <algorithm>

namespace TemplateFolder {

namespace {

// The position of the last separator of a path, or -1.
qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QDir::separator()), path.lastIndexOf(u'/'));
}

} // namespace

bool isAcceptableName(const QString& name) {
    if (name.trimmed().isEmpty() || name == u"." || name == u"..") {
        return false;
    }
    for (const QChar ch : name) {
        if (ch == u'/' || ch == u'\\' || ch.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

QString folderOf(const QString& templatesDirectory, const QString& name) {
    return FileSystem::joinPath(templatesDirectory, name);
}

QString fileOf(const QString& templatesDirectory, const QString& name) {
    return FileSystem::joinPath(folderOf(templatesDirectory, name), name + QStringLiteral(".qlt"));
}

QString boxFileOf(const QString& folder, int box) {
    return FileSystem::joinPath(folder, QStringLiteral("TextBox%1.rtf").arg(box));
}

QString folderOfFile(const QString& templateFile) {
    const qsizetype at = lastSeparator(templateFile);
    return at < 0 ? QString() : templateFile.left(at);
}

QString nameOfFolder(const QString& folder) {
    return folder.mid(lastSeparator(folder) + 1);
}

QStringList templateNames(const QString& templatesDirectory) {
    if (templatesDirectory.isEmpty()) {
        return {};
    }
    QStringList names;
    const QStringList folders =
        QDir(templatesDirectory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : folders) {
        if (name != u"temp" && isAcceptableName(name)) {
            names << name;
        }
    }
    return names;
}

} // namespace TemplateFolder
