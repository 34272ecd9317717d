#include "card_editor/card/LayoutFile.h"
#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/MovablePicture.h"
#include "card_editor/window/tests/QuilletFixture.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

namespace {

// A game file as Quillet sees it: the name, lines of code bytes it passes over, descriptions.
QStringList gameFile(const QString& name, const QStringList& descriptions) {
    return QStringList{name, QString("$FF ").repeated(14), QString("$00 ").repeated(28)} +
           descriptions;
}

class FrmTemplateTest : public QuilletFixture {
protected:
    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    QString boxText(int i) { return window->RTFbtn(i).Text(); }
    QRect boxRect(int i) { return window->RTFbtn(i).geometry(); }
};

TEST_F(FrmTemplateTest, MenuBarHoldsEveryItemWithItsCaptionAndShortcut) {
    start();
    const std::pair<const char*, const char*> menus[] = {
        {"mnuFile", "&File"},     {"mnuEdit", "&Edit"},       {"mnuView", "&View"},
        {"mnuFormat", "Forma&t"}, {"mnuAlign", "Textbo&xes"}, {"mnuImage", "&Image"},
        {"mnuHelp", "&Help"}};
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(bar[i]->objectName(), menus[i].first);
        EXPECT_EQ(bar[i]->text(), menus[i].second);
    }
    const std::tuple<const char*, const char*, const char*> items[] = {
        {"mnuNewTemplate", "&New template", "Ctrl+N"},
        {"mnuOpen", "&Open", "F8"},
        {"mnuFileSaveTemplate_0", "&Save", "Ctrl+S"},
        {"mnuFileSaveTemplate_1", "Save &as ...", ""},
        {"mnuCaptureAsBitmap", "Capture as &bitmap", ""},
        {"mnuFilePrint", "&Print", "Ctrl+P"},
        {"mnuFilePrevious", "&Recent files", ""},
        {"mnuFileAutoLoad", "&Autoload recent on startup", ""},
        {"mnuPreviousClearAll", "&Clear recent files", ""},
        {"mnuFileExit", "E&xit", ""},
        {"mnuUndo", "&Undo", ""},
        {"mnuEditCCP_0", "Cu&t", ""},
        {"mnuEditCCP_1", "&Copy", ""},
        {"mnuEditCCP_2", "&Paste", ""},
        {"mnuSelectAll", "Select &all", ""},
        {"mnuEditPreferences", "Pre&ferences", "F9"},
        {"mnuViewCaptions_0", "&Views out", "F2"},
        {"mnuViewCaptions_1", "Views &in", "F3"},
        {"mnuViewCaptions_2", "Wing&man", "F4"},
        {"mnuViewCaptions_3", "&Radar/Target", "F5"},
        {"mnuViewCaptions_4", "&Weapons", "F6"},
        {"mnuViewShowAll", "&Show all", "F7"},
        {"mnuViewNoRepeat", "&Don't show repeat functions", ""},
        {"mnuViewRefresh", "Refres&h ", "Ctrl+H"},
        {"mnuFormatBIU_0", "&Bold", ""},
        {"mnuFormatBIU_1", "&Italics", ""},
        {"mnuFormatBIU_2", "&Underlined", ""},
        {"mnuFormatFC_0", "&Font", "Ctrl+F"},
        {"mnuFormatFC_1", "Co&lour", "Ctrl+L"},
        {"mnuWhenResizing", "&When moving/resizing textboxes ...", ""},
        {"mnuResizeOption_0", "&Snap them to the grid", ""},
        {"mnuResizeOption_1", "&Resize them to the grid", ""},
        {"mnuResizeOption_2", "&Just leave them as they are", ""},
        {"mnuViewSnapToGrid", "S&nap to grid", ""},
        {"mnuSnapToGrid_0", "&Currently selected textbox", ""},
        {"mnuSnapToGrid_1", "&All visible textboxes", ""},
        {"mnuFillToGrid", "Resi&ze to grid", ""},
        {"mnuResizeToGrid_0", "&Currently selected textbox", ""},
        {"mnuResizeToGrid_1", "&All visible textboxes", ""},
        {"mnuShowGrid", "Show &grid", "Ctrl+G"},
        {"mnuEditTextBoxSize", "Edit textbo&x size", ""},
        {"menuGridSize", "Edit grid &cell size", ""},
        {"mnuSaveTBposnsAsDefault", "&Save textbox positions as default", ""},
        {"mnuTBRestoreOriginal", "&Restore original defaults", ""},
        {"mnuImageSelect", "&Insert from file", "Ctrl+F8"},
        {"mnuImageResize", "&Resize", ""},
        {"mnuImageVisible", "&Visible", "Shift+F8"},
        {"mnuImageLocked", "Position &locked", ""},
        {"mnuImageClear", "&Clear image", ""},
        {"mnuHelpTopics", "&Help topics", ""},
        {"mnuHelpAbout", "&About Tavrin's Quillet", ""},
    };
    for (const auto& [name, caption, shortcut] : items) {
        QAction* a = action(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), caption) << name;
        EXPECT_EQ(a->shortcut().toString(), shortcut) << name;
    }
}

TEST_F(FrmTemplateTest, FirstStartSetsUpTheCardAndItsFiles) {
    ship("Gamecard.bmp");
    start();
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->windowTitle(), "Tavrin's Quillet");
    EXPECT_EQ(window->centralWidget()->size(), QSize(764, 704));
    // The designed window fits the card across but not down.
    EXPECT_TRUE(window->HScroll1().isHidden());
    EXPECT_FALSE(window->VScroll1().isHidden());
    EXPECT_FALSE(action("mnuView")->isVisible());
    EXPECT_TRUE(action("mnuFormat")->isVisible());
    EXPECT_TRUE(action("mnuResizeOption_2")->isChecked());
    EXPECT_FALSE(action("mnuResizeOption_0")->isChecked());
    EXPECT_TRUE(action("mnuViewNoRepeat")->isChecked());
    EXPECT_FALSE(action("mnuViewCaptions_0")->isChecked());
    EXPECT_FALSE(action("mnuFilePrevious")->isEnabled());
    EXPECT_EQ(window->BackgroundImage().size(), QSize(527, 712));
    EXPECT_FALSE(window->BackgroundImage().picture().isNull());
    EXPECT_TRUE(QFileInfo(programFile("Templates")).isDir());
    EXPECT_TRUE(QFileInfo(programFile("Images")).isDir());

    // "Default.txt" now holds the built-in layout, which the window keeps.
    const std::optional<QStringList> lines = TextFile::readLines(programFile("Default.txt"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), 36);
    EXPECT_EQ(lines->front(), " 118  192  289  289  1 ");
    EXPECT_EQ(window->currentLayout(), builtInLayout());
    EXPECT_EQ(messageBox.count(), 0u);
}

TEST_F(FrmTemplateTest, SavedPositionsComeBackAtTheNextStart) {
    start();
    window->RTFbtn(5).setGeometry(30, 40, 50, 60);
    window->Image1().setGeometry(1, 2, 3, 4);
    action("mnuImageVisible")->trigger(); // hides the picture
    EXPECT_TRUE(window->Image1().isHidden());
    action("mnuSaveTBposnsAsDefault")->trigger();

    start();
    EXPECT_EQ(boxRect(5), QRect(30, 40, 50, 60));
    EXPECT_EQ(window->Image1().geometry(), QRect(1, 2, 3, 4));
    EXPECT_FALSE(action("mnuImageVisible")->isChecked());
    EXPECT_TRUE(window->Image1().isHidden());
    EXPECT_EQ(boxRect(6), QRect(196, 532, 61, 37));
}

TEST_F(FrmTemplateTest, BoxesMovedOntoThePictureStayInFrontOfIt) {
    CardLayout overlapping = builtInLayout();
    overlapping.boxes[34].height = 120; // the title reaches down over the picture
    writeFile("Default.txt", LayoutFile::lines(overlapping));
    start();
    window->show();
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    window->Image1().setPicture(picture.toImage());
    QApplication::processEvents();
    // A click where the title covers the picture reaches the title.
    const QWidget* hit = window->BackgroundImage().childAt(200, 230);
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == &window->RTFbtn(34) || window->RTFbtn(34).isAncestorOf(hit));
}

TEST_F(FrmTemplateTest, RestoreWithAndWithoutTheRestoreFile) {
    writeFile("Default.txt", LayoutFile::lines([] {
                  CardLayout moved = builtInLayout();
                  moved.boxes[0] = {1, 1, 50, 20};
                  moved.pictureVisible = false;
                  return moved;
              }()));
    start();
    ASSERT_EQ(boxRect(0), QRect(1, 1, 50, 20));
    const QByteArray before = *FileSystem::readFile(programFile("Default.txt"));

    messageBox.queueAnswer(MsgAnswer::Ok);
    action("mnuTBRestoreOriginal")->trigger();
    ASSERT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(messageBox.last().title, "Where is the Restore.txt file?");
    EXPECT_EQ(messageBox.last().style, MsgStyle::Critical);
    EXPECT_TRUE(messageBox.last().text.startsWith("I couldn't find " + programFile("Restore.txt") +
                                                  " which contains the information"));
    EXPECT_EQ(boxRect(0), QRect(1, 1, 50, 20));
    EXPECT_EQ(*FileSystem::readFile(programFile("Default.txt")), before);

    ship("Restore.txt");
    action("mnuTBRestoreOriginal")->trigger();
    EXPECT_EQ(window->currentLayout(), builtInLayout());
    EXPECT_FALSE(window->Image1().isHidden());
    EXPECT_EQ(*FileSystem::readFile(programFile("Default.txt")),
              *FileSystem::readFile(programFile("Restore.txt")));
}

TEST_F(FrmTemplateTest, DamagedFilesKeepSaneBoxes) {
    QByteArray noise;
    for (int i = 0; i < 3000; ++i) {
        noise.append(char((i * 7919 + 13) % 256));
    }
    ASSERT_TRUE(FileSystem::replaceFile(programFile("Quillet.ini"), noise));
    writeFile("Default.txt", {" 5  6  7  8  1 ", " 10  11  12  13 ", " 1 2 3 -4 ", " 99999 1 1 1"});
    start();
    EXPECT_EQ(window->Image1().geometry(), QRect(5, 6, 7, 8));
    EXPECT_EQ(boxRect(0), QRect(10, 11, 12, 13));
    EXPECT_EQ(boxRect(1), QRect(28, 612, 69, 29));  // negative height refused
    EXPECT_EQ(boxRect(2), QRect(116, 576, 69, 29)); // reading ended at 99999
    EXPECT_EQ(boxRect(34), QRect(144, 135, 239, 49));

    // A binary factory layout changes no box, and the defaults then hold the same layout.
    ASSERT_TRUE(FileSystem::replaceFile(programFile("Restore.txt"), noise));
    const CardLayout before = window->currentLayout();
    window->findChild<QAction*>("mnuTBRestoreOriginal")->trigger();
    EXPECT_EQ(window->currentLayout(), before);
    EXPECT_EQ(messageBox.count(), 0u);
}

TEST_F(FrmTemplateTest, OpeningAGameFileFillsTheCard) {
    const QString game = programFile("Flight.gam");
    writeFile("Flight.gam", gameFile("Flight Sim", {"$01 $01 $08 Throttle", "$05 $0C $04 Fire",
                                                    "$01 $0C $04 Gear", "$03 $05 $03 Tow"}));
    start();
    dialog.queueOpen(game);
    action("mnuOpen")->trigger();
    ASSERT_EQ(dialog.count(), 1u);
    EXPECT_EQ(dialog.last().filter,
              "Brelkin game file (*.gam)|*.gam|Quillet Template (*.qlt)|*.qlt");
    EXPECT_EQ(window->document().OpenFileName, FileSystem::storedPathCase(game));
    EXPECT_EQ(window->document().GameName, "Flight Sim");
    EXPECT_EQ(boxText(34), "Flight Sim");
    EXPECT_EQ(boxText(0), "Throttle");
    EXPECT_EQ(boxText(4), "Gear");
    EXPECT_EQ(boxText(28), "Fire"); // Weapons go to the lowest row
    EXPECT_EQ(boxText(27), "Tow");
    EXPECT_TRUE(action("mnuView")->isVisible());
    EXPECT_FALSE(action("mnuFormat")->isVisible());
    for (int m = 0; m < 5; ++m) {
        EXPECT_TRUE(window->ViewCaptionChecked(m));
    }

    // Hiding Views out through its menu item rebuilds the boxes without it.
    action("mnuViewCaptions_0")->trigger();
    EXPECT_EQ(boxText(0), "");
    EXPECT_EQ(boxText(34), "Flight Sim");

    // Cancel changes nothing.
    window->document().GamDefaultDirectory = programFile("games"); // where the dialog starts
    dialog.queueCancel(ScriptedCommonDialog::Kind::Open);
    action("mnuOpen")->trigger();
    EXPECT_EQ(dialog.last().initDir, programFile("games"));
    EXPECT_EQ(dialog.last().fileName, "Flight.gam");
    EXPECT_EQ(window->document().GameName, "Flight Sim");
    EXPECT_EQ(boxText(27), "Tow");

    // An empty file: no name to read, so the title keeps the last one; the captions empty.
    writeFile("Empty.gam", {});
    QFile(programFile("Empty.gam")).resize(0);
    dialog.queueOpen(programFile("Empty.gam"));
    action("mnuOpen")->trigger();
    EXPECT_EQ(window->document().GameName, "Flight Sim");
    EXPECT_EQ(boxText(34), "Flight Sim");
    EXPECT_EQ(boxText(27), "");
    EXPECT_EQ(messageBox.count(), 0u);
}

TEST_F(FrmTemplateTest, FilesThatCannotBeReadAsGamesAreHandled) {
    writeFile("Flight.gam", gameFile("Flight Sim", {"$01 $01 $08 Throttle"}));
    start();
    dialog.queueOpen(programFile("Flight.gam"));
    action("mnuOpen")->trigger();

    // A template goes to the template code; one that cannot be read leaves the card alone.
    messageBox.queueAnswer(MsgAnswer::Ok);
    dialog.queueOpen(programFile("race.QLT"));
    action("mnuOpen")->trigger();
    EXPECT_EQ(window->TemplateFile, FileSystem::storedPathCase(programFile("race.QLT")));
    ASSERT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(messageBox.last().title, "Can't open template");
    EXPECT_EQ(boxText(0), "Throttle");
    EXPECT_TRUE(action("mnuView")->isVisible());

    // A path that cannot be read ends with a message and the emptied captions.
    messageBox.queueAnswer(MsgAnswer::Ok);
    dialog.queueOpen(programFile("missing.gam"));
    action("mnuOpen")->trigger();
    ASSERT_EQ(messageBox.count(), 2u);
    EXPECT_EQ(messageBox.last().title, "Can't open file");
    EXPECT_EQ(boxText(0), "");
    EXPECT_EQ(boxText(34), "Flight Sim");

    // Any bytes at all read without harm.
    QFile binary(programFile("binary.gam"));
    ASSERT_TRUE(binary.open(QIODevice::WriteOnly));
    QByteArray noise;
    for (int i = 0; i < 5000; ++i) {
        noise.append(char((i * 7919) % 256));
    }
    binary.write(noise);
    binary.close();
    dialog.queueOpen(programFile("binary.gam"));
    action("mnuOpen")->trigger();
    EXPECT_EQ(boxText(0), "");
}

TEST_F(FrmTemplateTest, MostRecentFileOpensAtStartWhenAsked) {
    writeFile("Flight.gam", gameFile("Flight Sim", {"$02 $1A $05 Radio", "$01 $01 $03 Out",
                                                    "$02 $01 $02 In", "$03 $01 $04 Wing",
                                                    "$04 $01 $05 Radar", "$05 $01 $04 Fire"}));
    writeFile("Quillet.ini", {"[Previous Files]", "NumberPreviousFiles= 2", "AutoLoadRecent= 1",
                              "PreviousFilePath1=" + programFile("Flight.gam"),
                              "PreviousFilePath2=" + programFile("gone.gam")});
    start();
    EXPECT_TRUE(action("mnuFileAutoLoad")->isChecked());
    EXPECT_EQ(action("mnuPreviousArray_1")->text(), programFile("Flight.gam"));
    EXPECT_EQ(boxText(13), "Radio");
    EXPECT_EQ(boxText(34), "Flight Sim");
    // Shown only now, a box too small for its lines still shows the first one.
    window->show();
    EXPECT_GT(window->RTFbtn(0).verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(window->RTFbtn(0).verticalScrollBar()->value(), 0);

    messageBox.queueAnswer(MsgAnswer::Ok);
    action("mnuPreviousArray_2")->trigger();
    ASSERT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(messageBox.last().title, "Can't find file");
    EXPECT_EQ(messageBox.last().text, "There's a problem here ... I couldn't find " +
                                          programFile("gone.gam") +
                                          " which probably means you've deleted it or moved it. "
                                          "Sorry!");
    EXPECT_EQ(boxText(13), "Radio");
}

TEST_F(FrmTemplateTest, ViewportFollowsTheWindowSize) {
    start();
    window->show();
    auto resizeInner = [&](int w, int h) {
        window->resize(w, h + window->menuBar()->height());
        QApplication::processEvents();
        // A second pass starts from the bars the first one showed, as a user's next resize does.
        window->RepositionThePictureboxes();
        return window->centralWidget()->size();
    };
    QScrollBar& h = window->HScroll1();
    QScrollBar& v = window->VScroll1();

    const QSize small = resizeInner(400, 300);
    EXPECT_FALSE(h.isHidden());
    EXPECT_FALSE(v.isHidden());
    EXPECT_EQ(window->MarginX(), 20);
    EXPECT_EQ(window->MarginY(), 20);
    EXPECT_EQ(window->Picture1().geometry(), QRect(0, 0, small.width() - v.sizeHint().width(),
                                                   small.height() - h.sizeHint().height()));
    EXPECT_EQ(h.geometry().top(), window->Picture1().height());
    EXPECT_EQ(v.geometry().left(), window->Picture1().width());
    EXPECT_EQ(window->BackgroundImage().pos(), QPoint(20, 20));

    // Scrolling moves the card; at the end a 20-pixel margin stays after it.
    v.setValue(v.maximum());
    EXPECT_EQ(window->BackgroundImage().y() + 712, window->Picture1().height() - 20);
    h.setValue(5);
    EXPECT_EQ(window->BackgroundImage().x(), 15);

    // A large window centres the card, hides both bars and puts the scroll values back.
    const QSize large = resizeInner(1000, 900);
    EXPECT_TRUE(h.isHidden());
    EXPECT_TRUE(v.isHidden());
    EXPECT_EQ(window->Picture1().geometry(), QRect(QPoint(0, 0), large));
    EXPECT_EQ(window->BackgroundImage().pos(),
              QPoint((large.width() - 527) / 2, (large.height() - 712) / 2));
    resizeInner(400, 300);
    EXPECT_EQ(v.value(), 0);
    EXPECT_EQ(window->BackgroundImage().pos(), QPoint(20, 20));
}

} // namespace
