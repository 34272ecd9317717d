#pragma once

#include <QPointer>
#include <QString>

class HelpWindow;

// The outside world beyond files: the help window and programs started. The windows receive one
// from outside so that tests can record what was asked.
class Shell {
public:
    virtual ~Shell() = default;
    // Starts a program detached, without arguments; false when it could not be started.
    virtual bool startProgram(const QString& path) = 0;
    // Shows an HTML help file in the programs' own help window, whatever its extension (the
    // desktop would take "Tavrin.hlp" for a Windows help file and show nothing). A file that
    // cannot be shown is explained in the window.
    virtual void showHelp(const QString& path) = 0;
};

// The real one, through QProcess; one help window, reused.
class QtShell : public Shell {
public:
    QtShell() = default;
    QtShell(const QtShell&) = delete;
    QtShell& operator=(const QtShell&) = delete;
    ~QtShell() override;

    bool startProgram(const QString& path) override;
    void showHelp(const QString& path) override;

    // The help window while it is open.
    HelpWindow* helpWindow() const;

private:
    QPointer<HelpWindow> help_;
};
