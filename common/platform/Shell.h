#pragma once

#include <QString>

// The outside world beyond files: documents opened with the desktop's handler and programs
// started. The windows receive one from outside so that tests can record what was asked.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a local file with the desktop's default handler; the outcome is not reported.
    virtual void openDocument(const QString& path) = 0;
    // Starts a program detached, without arguments; false when it could not be started.
    virtual bool startProgram(const QString& path) = 0;
};

// The real one, through QDesktopServices and QProcess.
class QtShell : public Shell {
public:
    void openDocument(const QString& path) override;
    bool startProgram(const QString& path) override;
};
