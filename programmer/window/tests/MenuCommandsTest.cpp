#include "programmer/window/tests/MumFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenuBar>
#include <QPushButton>

namespace {

class MenuCommands : public MumFixture {};

TEST_F(MenuCommands, MenuBarHasEveryCaptionAndShortcut) {
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions()) {
        titles.append(menu->text());
    }
    EXPECT_EQ(titles,
              QStringList({"&File", "&Programming", "&Table", "&Create Gamecard", "&Help"}));
    EXPECT_EQ(window->mnuNew->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(window->mnuOpen->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(window->mnuSave->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(window->mnuFileSaveAs->text(), "Save &As ...");
    EXPECT_EQ(window->mnuAoutTavrin->text(), "&About Tavrin");
    EXPECT_EQ(window->mnuAdd1toZero->title(), "&Insert 1 to 0 ...");
    EXPECT_TRUE(window->mnuAssumeChordedKeys->isChecked());
    EXPECT_EQ(window->windowTitle(), "Tavrin - Brelkin Programmer");
    EXPECT_EQ(panel(1), " Welcome to Tavrin!");
    EXPECT_EQ(panel(2), "New file");
    EXPECT_EQ(panel(3), "Untitled.gam");
    EXPECT_EQ(window->SSTab1->currentIndex(), 0);
}

TEST_F(MenuCommands, KeyboardAndPictureCarryTheirCaptions) {
    int keys = 0;
    for (int i = 0; i <= 101; ++i) {
        keys += window->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(i)) != nullptr;
    }
    EXPECT_EQ(keys, 101);
    EXPECT_EQ(window->findChild<QPushButton*>("Command1_54"), nullptr);
    EXPECT_EQ(find<QPushButton>("Command1_92")->text(), "Spacebar");
    EXPECT_EQ(find<QPushButton>("Command1_46")->text(), "`");
    EXPECT_EQ(find<QPushButton>("Command1_63")->accessibleName(), "Right Alt");
    // Enter, keypad + and Ent are two rows high; keypad 0 is two keys wide.
    window->SSTab1->setCurrentIndex(1);
    QCoreApplication::processEvents();
    const int height = find<QWidget>("Command1_20")->height();
    EXPECT_GT(find<QWidget>("Command1_64")->height(), height * 3 / 2);
    EXPECT_GT(find<QWidget>("Command1_67")->height(), height * 3 / 2);
    EXPECT_GT(find<QWidget>("Command1_65")->height(), height * 3 / 2);
    EXPECT_GT(find<QWidget>("Command1_10")->width(), find<QWidget>("Command1_11")->width() * 3 / 2);

    EXPECT_EQ(find<QLabel>("LblBTN_4")->text(), "28");
    EXPECT_EQ(find<QLabel>("LblBTN_27")->text(), "7");
    EXPECT_EQ(find<QLabel>("LblBTN_11")->accessibleName(), "Button 5");
    EXPECT_EQ(find<QLabel>("IMG_light_2")->accessibleName(), "Mode lamp Wingman");
}

TEST_F(MenuCommands, HelpOpensTheHelpFileAndQuilletStartsOnlyWhenPresent) {
    window->mnuHelpTopics->trigger();
    EXPECT_EQ(shell.shownHelp(), QStringList({folder.filePath("Tavrin.hlp")}));

    messages.queueAnswer(MsgAnswer::Ok);
    window->mnuQuillet->trigger();
    EXPECT_EQ(messages.last().title, "Where is it?");
    EXPECT_EQ(messages.last().style, MsgStyle::Information);
    EXPECT_EQ(messages.last().text, "I couldn't find Tavrin's Quillet - how very odd to say the "
                                    "least. What have you done with it? ");
    EXPECT_TRUE(shell.startedPrograms().isEmpty());

    QFile quillet(folder.filePath("Quillet"));
    ASSERT_TRUE(quillet.open(QIODevice::WriteOnly));
    quillet.close();
    window->mnuQuillet->trigger();
    window->mnuQuillet->trigger(); // each use starts it again
    EXPECT_EQ(shell.startedPrograms(), QStringList({quillet.fileName(), quillet.fileName()}));
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(folder.path()).canonicalFilePath());

    messages.queueAnswer(MsgAnswer::Ok);
    window->mnuAoutTavrin->trigger();
    EXPECT_EQ(messages.last().title, "About Tavrin");
    EXPECT_TRUE(messages.last().text.contains("Brelkin"));
}

} // namespace
