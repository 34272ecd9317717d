#pragma once

#include <QWidget>

class QTextBrowser;

// The programs' help: an HTML file shown in a window of its own beside the main window, which
// stays usable while the help is open.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the file, or a message saying why it cannot be shown.
    void showFile(const QString& path);

    QTextBrowser* browser() const { return browser_; }

private:
    void showMessage(const QString& title, const QString& message);

    QTextBrowser* browser_;
};
