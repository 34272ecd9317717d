#include "card_editor/card/TemplateFolder.h"

#include "common/platform/FileSystem.h"

#include <QDir>
#include <algorithm>

namespace TemplateFolder {

namespace {

// Box files of a template: boxes 0 to 34.
constexpr int BoxFiles = 35;

// The position of the last separator of a path, or -1.
qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QDir::separator()), path.lastIndexOf(u'/'));
}

} // namespace

NameFault nameFault(const QString& name) {
    if (name.isEmpty()) {
        return NameFault::Empty;
    }
    for (const QChar ch : name) {
        if (ch == u'/' || ch == u'\\') {
            return NameFault::Separator;
        }
    }
    for (const QChar ch : name) {
        if (ch.category() == QChar::Other_Control) {
            return NameFault::ControlCharacter;
        }
    }
    if (name.trimmed().isEmpty()) {
        return NameFault::OnlyBlanks;
    }
    if (name == u"." || name == u"..") {
        return NameFault::Dots;
    }
    return NameFault::None;
}

bool isAcceptableName(const QString& name) {
    return nameFault(name) == NameFault::None;
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

void removeUnfinished(const QString& folder, const QString& name) {
    FileSystem::deleteFile(FileSystem::joinPath(folder, name + QStringLiteral(".qlt")));
    for (int box = 0; box < BoxFiles; ++box) {
        FileSystem::deleteFile(boxFileOf(folder, box));
    }
    FileSystem::removeEmptyFolder(folder); // anything else in it stays
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
