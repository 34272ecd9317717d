#include "common/platform/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

void QtShell::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}
