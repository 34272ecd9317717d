#include "common/platform/Shell.h"

#include "common/platform/HelpWindow.h"

#include <QProcess>

bool QtShell::startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

QtShell::~QtShell() {
    delete help_;
}

void QtShell::showHelp(const QString& path) {
    if (help_ == nullptr) {
        help_ = new HelpWindow;
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->showFile(path);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

HelpWindow* QtShell::helpWindow() const {
    return help_;
}
