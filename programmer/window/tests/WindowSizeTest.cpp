#include "programmer/window/tests/MumFixture.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>

namespace {

// Laptop screens, less what the desktop takes: the window must work in each.
struct Screen {
    int width;
    int height;
};
constexpr Screen kScreens[] = {{1280, 720}, {1366, 768}, {1280, 800}, {1920, 1080}};

class WindowSize : public MumFixture {
protected:
    // The controls a user works with on the tab shown, with where they are in the window.
    QList<QWidget*> controls() const {
        static const QRegularExpression names(
            QStringLiteral("^(Command[123]_\\d+|CheckDelete|Text1|MacroStepsList|ProgressBar1|"
                           "LBLprogramMode_\\d|LblBTN_\\d+|InfoLabel_\\d+|LblMODE_\\d|"
                           "OptionGraphicalViews_\\d|OptionTableViews_\\d|Grid1|Slider1_\\d|"
                           "StatusBar_Panel\\d)$"));
        QList<QWidget*> found;
        for (QWidget* widget : window->findChildren<QWidget*>(names)) {
            if (widget->isVisible()) {
                found.append(widget);
            }
        }
        return found;
    }

    // Layouts and scroll bars settle over a few rounds of events.
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
        }
    }

    QRect inWindow(const QWidget* widget) const {
        return QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
    }
};

TEST_F(WindowSize, SmallestLayoutFitsALaptopScreen) {
    const auto* scroll = find<QScrollArea>(QStringLiteral("CentreScroll"));
    const QSize least =
        scroll->widget()->minimumSizeHint() +
        QSize(0, window->menuBar()->sizeHint().height() + window->statusBar()->sizeHint().height());
    EXPECT_LE(least.width(), 1280);
    EXPECT_LE(least.height(), 720 - 40); // the title bar and a panel take some
    EXPECT_LE(window->minimumSizeHint().width(), 1280);
    EXPECT_LE(window->minimumSizeHint().height(), 720);
}

TEST_F(WindowSize, EveryControlShowsWithoutOverlapOnEachScreen) {
    for (const Screen& screen : kScreens) {
        for (int tab = 0; tab < 2; ++tab) {
            SCOPED_TRACE(QStringLiteral("%1x%2 tab %3")
                             .arg(screen.width)
                             .arg(screen.height - 40)
                             .arg(tab)
                             .toStdString());
            window->resize(screen.width, screen.height - 40);
            window->SSTab1->setCurrentIndex(tab);
            settle();
            const auto* scroll = find<QScrollArea>(QStringLiteral("CentreScroll"));
            // Nothing to scroll: all of it is in sight.
            EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
            EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
            // Wrapped texts get every line they need.
            for (const char* name : {"Label2_0", "Label2_6"}) {
                const auto* label = find<QLabel>(QString::fromLatin1(name));
                if (label->isVisible()) {
                    EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
                }
            }
            const QList<QWidget*> shown = controls();
            ASSERT_GT(shown.size(), tab == 0 ? 60 : 150);
            const QRect area = window->rect();
            for (int i = 0; i < shown.size(); ++i) {
                const QRect a = inWindow(shown.at(i));
                EXPECT_TRUE(area.contains(a))
                    << shown.at(i)->objectName().toStdString() << " lies outside the window";
                EXPECT_FALSE(a.isEmpty()) << shown.at(i)->objectName().toStdString();
                for (int j = i + 1; j < shown.size(); ++j) {
                    EXPECT_FALSE(a.intersects(inWindow(shown.at(j))))
                        << shown.at(i)->objectName().toStdString() << " overlaps "
                        << shown.at(j)->objectName().toStdString();
                }
            }
        }
    }
}

// Below the smallest layout the window scrolls, so that every control can still be reached.
TEST_F(WindowSize, TinyWindowScrollsToEveryControl) {
    window->SSTab1->setCurrentIndex(1);
    window->resize(800, 500);
    settle();
    auto* scroll = find<QScrollArea>(QStringLiteral("CentreScroll"));
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    for (const char* name : {"Command2_0", "Command2_1", "Command1_93", "LblBTN_0"}) {
        SCOPED_TRACE(name);
        auto* control = find<QWidget>(QString::fromLatin1(name));
        scroll->ensureWidgetVisible(control);
        QApplication::processEvents();
        const QRect seen(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(seen));
    }
}

} // namespace
