#pragma once

#include "common/platform/Shell.h"

#include <QStringList>

// A shell for tests: records every document opened, program started and help file shown; a start
// succeeds unless the test says otherwise.
class RecordingShell : public Shell {
public:
    bool startProgram(const QString& path) override {
        startedPrograms_.append(path);
        return startSucceeds_;
    }

    void showHelp(const QString& path) override { shownHelp_.append(path); }

    void setStartSucceeds(bool succeeds) { startSucceeds_ = succeeds; }
    const QStringList& startedPrograms() const { return startedPrograms_; }
    const QStringList& shownHelp() const { return shownHelp_; }

private:
    QStringList startedPrograms_;
    QStringList shownHelp_;
    bool startSucceeds_ = true;
};
