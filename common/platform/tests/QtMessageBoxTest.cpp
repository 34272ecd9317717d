#include "common/platform/QtMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Runs check on the real box once it shows, then presses the button press unless the check
// answered the box.
int AnswerWhenShown(QtMessageBox& box, const QString& text, int style,
                    const std::function<void(QMessageBox&)>& check,
                    QMessageBox::StandardButton press) {
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (shown == nullptr) {
            return;
        }
        timer.stop();
        check(*shown);
        if (!shown->isVisible()) {
            return; // answered by the check
        }
        if (QAbstractButton* button = shown->button(press)) {
            button->click();
        } else {
            shown->done(-1);
        }
    });
    timer.start();
    return box.MsgBox(text, style, QStringLiteral("Save current file first?"));
}

TEST(QtMessageBox, YesNoQuestionsAreAnsweredOnlyByTheirButtonsAndShowTextAsIs) {
    QtMessageBox box;
    const QString text = QStringLiteral("<b>Doom</b>.gam has been modified &lt;unsaved&gt;");
    bool checked = false;
    const int answer = AnswerWhenShown(
        box, text, 36,
        [&](QMessageBox& shown) {
            // Escape and the close box must not answer No: No lets unsaved changes go.
            QTest::keyClick(&shown, Qt::Key_Escape);
            shown.close();
            QApplication::processEvents();
            EXPECT_TRUE(shown.isVisible());
            const auto* label = shown.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_EQ(label->text(), text);
            checked = true;
        },
        QMessageBox::Yes);
    EXPECT_TRUE(checked);
    EXPECT_EQ(answer, 6);

    // A box with Cancel still takes Escape as Cancel.
    const int cancelled = AnswerWhenShown(
        box, QStringLiteral("Save?"), 35,
        [](QMessageBox& shown) { QTest::keyClick(&shown, Qt::Key_Escape); }, QMessageBox::NoButton);
    EXPECT_EQ(cancelled, 2);
}

// Boxes belong to a window, also while the main window is still being set up at start-up.
TEST(QtMessageBox, BoxesAreOwnedByTheMainWindow) {
    struct Case {
        const char* what;
        bool mainWindow; // a main window exists, not shown yet
        bool parentSet;  // the box is given the main window as its parent
        bool shownFirst; // the main window is shown before the box
    };
    const Case cases[] = {
        {"start-up, before the parent is set", true, false, false},
        {"parent set, window not shown yet", true, true, false},
        {"parent set, window shown", true, true, true},
        {"no main window at all", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<QMainWindow> window;
        if (c.mainWindow) {
            window = std::make_unique<QMainWindow>();
            if (c.shownFirst) {
                window->show();
            }
        }
        QtMessageBox box;
        if (c.parentSet) {
            box.setParent(window.get());
        }
        QWidget* owner = nullptr;
        bool ownerVisible = false;
        AnswerWhenShown(
            box, QStringLiteral("Ooops"), 48,
            [&](QMessageBox& shown) {
                owner = shown.parentWidget();
                ownerVisible = owner != nullptr && owner->isVisible();
            },
            QMessageBox::Ok);
        EXPECT_EQ(owner, window.get());
        EXPECT_EQ(ownerVisible, c.mainWindow);
    }
}

} // namespace
