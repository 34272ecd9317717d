#include "common/dialogs/FileDialogNames.h"

#include <QFileInfo>
#include <QStringList>

namespace {

QString qtPatterns(const QString& patterns) {
    QStringList out;
    for (const QString& part : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty()) {
            continue;
        }
        // On Windows "*.*" matches every name; here it would hide names without a dot.
        out << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    return out.join(u' ');
}

} // namespace

QString qtNameFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = qtPatterns(parts[i + 1]);
        if (patterns.isEmpty()) {
            continue;
        }
        filters << parts[i].trimmed() + QStringLiteral(" (") + patterns + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString& path, const QString& ext) {
    QString suffix = ext.trimmed();
    while (suffix.startsWith(u'.')) {
        suffix.remove(0, 1);
    }
    if (path.isEmpty() || suffix.isEmpty() || path.endsWith(u'/') || path.endsWith(u'\\')) {
        return path;
    }
    if (QFileInfo(path).fileName().contains(u'.')) {
        return path;
    }
    return path + u'.' + suffix;
}
