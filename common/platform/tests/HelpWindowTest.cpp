#include "common/platform/HelpWindow.h"
#include "common/platform/Shell.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The help file that ships with the programs.
QByteArray shippedHelp() {
    QFile file(QStringLiteral(TAVRIN_SOURCE_DIR "/data/files/Tavrin.hlp"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The help file, named as the old help format was, opens as HTML in our own window.
TEST(HelpWindow, ShowsTheHtmlFileOrSaysWhyNot) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QByteArray content; // null: no such file
        const char* title;
        const char* shown; // what the window's text contains
    };
    const Case cases[] = {
        {"Tavrin.hlp", shippedHelp(), "Tavrin help", "Tavrin programs the 28 buttons"},
        {"Missing.hlp", QByteArray(), "Help not found", "I couldn't find the help file "},
        {"Old.hlp", QByteArray("?_\x03\0\x00\x01", 6), "Help not shown",
         "is not a help file I can show"},
        {"Plain.hlp", "No markup at all.", "Plain.hlp", "No markup at all."},
    };
    QtShell shell;
    HelpWindow* first = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        if (!c.content.isNull()) {
            ASSERT_TRUE(writeAll(path, c.content));
        }
        shell.showHelp(path);
        HelpWindow* window = shell.helpWindow();
        ASSERT_NE(window, nullptr);
        // One window, reused for every request while it is open.
        first = first == nullptr ? window : first;
        EXPECT_EQ(window, first);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_TRUE(window->browser()->isVisible());
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_TRUE(window->browser()->toPlainText().contains(QString::fromUtf8(c.shown)))
            << window->browser()->toPlainText().toStdString();
        EXPECT_FALSE(window->isModal());
    }
}
