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

const QByteArray kHelp = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Tavrin "
                         "help</title></head><body><h1>Programming a button</h1><p>Pick a "
                         "button \xe2\x80\x94 then <a href=\"#keys\">its keys</a>.</p>"
                         "<h2 id=\"keys\">Keys</h2></body></html>";

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
        {"Tavrin.hlp", kHelp, "Tavrin help", "Pick a button \u2014 then its keys."},
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
    // Closed, it goes; the next request opens a new one with the file shown again.
    first->close();
    QApplication::processEvents();
    EXPECT_EQ(shell.helpWindow(), nullptr);
    shell.showHelp(dir.filePath(QStringLiteral("Tavrin.hlp")));
    ASSERT_NE(shell.helpWindow(), nullptr);
    EXPECT_TRUE(shell.helpWindow()->browser()->toPlainText().contains(QStringLiteral("Keys")));
}
