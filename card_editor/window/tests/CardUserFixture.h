#pragma once

#include "card_editor/window/tests/QuilletFixture.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

// Quillet's window as a user meets it: shown, active, with a game file opened through the
// File menu.
class CardUserFixture : public QuilletFixture {
protected:
    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    RichTextBox& box(int i) { return window->RTFbtn(i); }
    QString boxText(int i) { return window->RTFbtn(i).Text(); }

    FrmTemplate& startShown(QSize inner = QSize(764, 704)) {
        start();
        window->resize(inner.width(), inner.height() + window->menuBar()->sizeHint().height());
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    // Opens a game whose button 1 has the given captions, one per mode from Views out on.
    void openGame(const QString& name, const QStringList& button1) {
        QStringList lines{name, QString("$FF ").repeated(14), QString("$00 ").repeated(28)};
        for (int m = 0; m < button1.size(); ++m) {
            lines << QStringLiteral("$0%1 $01 $%2 %3")
                         .arg(m + 1)
                         .arg(button1[m].size(), 2, 16, QChar('0'))
                         .arg(button1[m]);
        }
        writeFile("game.gam", lines);
        dialog.queueOpen(programFile("game.gam"));
        action("mnuOpen")->trigger();
    }

    // Runs what the user does in the next modal dialog, once it is open.
    template <typename Dialog, typename Steps> void inNextDialog(Steps steps) {
        QTimer::singleShot(0, [steps] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "No dialog opened";
                return;
            }
            steps(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "The dialog stayed open";
                dialog->reject();
            }
        });
    }
};
