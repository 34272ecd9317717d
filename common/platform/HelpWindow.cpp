#include "common/platform/HelpWindow.h"

#include "common/platform/FileSystem.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// An HTML help file is text; a NUL in its head means a binary help format we cannot show.
bool looksLikeText(const QByteArray& bytes) {
    return !bytes.left(4096).contains('\0');
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Help"));
    // Closing the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setAccessibleName(QStringLiteral("Help text"));
    // Web links go to the browser; links inside the help stay here.
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 560);
}

void HelpWindow::showFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!FileSystem::fileExists(path)) {
        showMessage(QStringLiteral("Help not found"),
                    QStringLiteral("I couldn't find the help file %1. It belongs in the "
                                   "program's folder.")
                        .arg(path));
        return;
    }
    const std::optional<QByteArray> bytes = FileSystem::readFile(path);
    if (!bytes) {
        showMessage(QStringLiteral("Help not shown"),
                    QStringLiteral("I couldn't read the help file %1.").arg(path));
        return;
    }
    if (!looksLikeText(*bytes)) {
        showMessage(
            QStringLiteral("Help not shown"),
            QStringLiteral("%1 is not a help file I can show: it is not an HTML file.").arg(path));
        return;
    }
    // The browser reads it as HTML whatever its extension, and follows its relative links.
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (browser_->source() == url) {
        browser_->reload(); // the file may have changed since
    } else {
        browser_->setSource(url, QTextDocument::HtmlResource);
    }
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? name : title);
}

void HelpWindow::showMessage(const QString& title, const QString& message) {
    browser_->clearHistory();
    browser_->setSource(QUrl());
    browser_->setPlainText(message);
    setWindowTitle(title);
}
