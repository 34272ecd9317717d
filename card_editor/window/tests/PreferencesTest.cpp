#include "card_editor/window/Preferences.h"
#include "card_editor/card/CardSettings.h"
#include "card_editor/window/tests/QuilletFixture.h"
#include "common/platform/Profile.h"
#include "common/richtext/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

class PreferencesTest : public QuilletFixture {
protected:
    // Opens the dialog from the Edit menu and works it while it is shown; a dialog the steps
    // leave open is cancelled so that the test never hangs.
    void withPreferences(const std::function<void(Preferences&)>& steps) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Preferences*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            shown = true;
            steps(*dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        window->findChild<QAction*>("mnuEditPreferences")->trigger();
        EXPECT_TRUE(shown);
    }

    QString ini(const char* section, const char* key) {
        return Profile::readString(section, key, "missing", 512, window->document().iniPath());
    }

    void openGame() {
        writeFile("Flight.gam",
                  {"Flight Sim", QString("$FF ").repeated(14), QString("$00 ").repeated(28),
                   "$01 $01 $08 Throttle", "$05 $0C $04 Fire", "$01 $0C $04 Gear"});
        dialog.queueOpen(programFile("Flight.gam"));
        window->findChild<QAction*>("mnuOpen")->trigger();
    }
};

TEST_F(PreferencesTest, ShowsTheSettingsAndTheirSamples) {
    start();
    window->document().StyleFontBold[6] = -1;
    withPreferences([](Preferences& p) {
        EXPECT_EQ(p.windowTitle(), "Preferences");
        ASSERT_EQ(p.SSTab1->count(), 3);
        EXPECT_EQ(p.SSTab1->tabText(0), "&File locations");
        EXPECT_TRUE(p.Option1[4]->isChecked()); // the default lowest row, Weapons
        EXPECT_EQ(p.Option1[5]->text(), "None");
        EXPECT_EQ(p.Label3[5]->text(), "Game title");
        EXPECT_EQ(p.RichTextBox1[0]->Text(), "Arial, 8");
        EXPECT_EQ(p.RichTextBox1[5]->Text(), "Arial, 8, Bold");
        EXPECT_EQ(p.RichTextBox1[5]->SelStart(), 0);
        EXPECT_TRUE(p.Label2[1]->text().endsWith("Templates"));
        // Help changes nothing and leaves the dialog open.
        p.Command4[1]->click();
        EXPECT_TRUE(p.isVisible());
    });
    EXPECT_EQ(ini("Miscellaneous", "BottomRow"), "missing");
}

TEST_F(PreferencesTest, ApplyStoresTheLowestRowAndRefillsTheCard) {
    start();
    openGame();
    EXPECT_EQ(window->RTFbtn(28).Text(), "Fire"); // Weapons in the lowest row
    const char* keys[] = {"GamDefaultDirectory", "TemplatesDirectory", "BitmapPath",
                          "ImagesDirectory"};
    for (const char* key : keys) {
        key == keys[2] ? dialog.queueOpen(programFile(key)) : dialog.queueFolder(programFile(key));
    }
    withPreferences([](Preferences& p) {
        for (QPushButton* browse : {p.CMDgamefiles, p.CMDtemplates, p.CMDbitmap, p.CMDimages}) {
            browse->click();
        }
        p.Option1[0]->setChecked(true);
        p.Command4[0]->click();
    });
    for (const char* key : keys) {
        EXPECT_EQ(ini("FileLocations", key), programFile(key)); // each from its own Browse
    }
    EXPECT_EQ(window->document().BottomRow, 0);
    EXPECT_EQ(ini("Miscellaneous", "BottomRow"), "0");
    EXPECT_EQ(window->RTFbtn(28).Text(), "Gear");
    EXPECT_EQ(window->RTFbtn(4).Text(), "Fire");
}

TEST_F(PreferencesTest, FontAndColourChangeOneStyleAndRestyleTheTitle) {
    start();
    openGame();
    dialog.queueFont({"Liberation Serif", 12.0, true, false, false});
    dialog.queueColor(0x0000FF);
    withPreferences([](Preferences& p) {
        p.Command2[0]->click();
        EXPECT_EQ(p.RichTextBox1[0]->Text(), "Liberation Serif, 12, Bold");
        p.Command3[5]->click();
        p.Command4[0]->click();
    });
    ASSERT_EQ(dialog.count(), 3u); // open, font, colour
    EXPECT_EQ(dialog.shown()[1].fontName, "Arial");
    EXPECT_EQ(dialog.shown()[2].color, CardSettings::defaultColour(6));
    const CardDocument& doc = window->document();
    EXPECT_EQ(doc.StyleFontName[1], "Liberation Serif");
    EXPECT_EQ(doc.StyleFontSize[1], 12);
    EXPECT_EQ(doc.StyleFontBold[1], -1);
    EXPECT_EQ(doc.StyleFontName[2], "Arial");
    EXPECT_EQ(doc.StylesChanged, 0);
    EXPECT_EQ(ini("Styles", "StyleFontColour6"), "255");
    EXPECT_EQ(ini("Styles", "StyleFontName1"), "Liberation Serif");
    // The title keeps its text in the new colour; the card is refilled in the new style.
    RichTextBox& title = window->RTFbtn(34);
    EXPECT_EQ(title.Text(), "Flight Sim");
    title.setSelStart(0);
    title.setSelLength(title.TextLength());
    EXPECT_EQ(title.SelColor(), std::optional<std::uint32_t>(0x0000FF));
    RichTextBox& box = window->RTFbtn(0);
    box.setSelStart(0);
    box.setSelLength(box.TextLength());
    EXPECT_EQ(box.SelBold(), std::optional<bool>(true));
}

TEST_F(PreferencesTest, CancelWritesNothingButKeepsTheChangesForThisRun) {
    start();
    openGame();
    const QString before = window->document().GamDefaultDirectory;
    dialog.queueFolder(folder.path() + "/Games");
    dialog.queueCancel(ScriptedCommonDialog::Kind::Font);
    dialog.queueColor(0x00FF00);
    withPreferences([](Preferences& p) {
        p.CMDgamefiles->click();
        p.Command2[1]->click(); // cancelled: no change
        EXPECT_EQ(p.RichTextBox1[1]->Text(), "Arial, 8");
        p.Command3[1]->click();
        p.Option1[5]->setChecked(true); // only Apply takes it
        p.Command4[2]->click();
    });
    ASSERT_EQ(dialog.count(), 4u);
    EXPECT_EQ(dialog.shown()[1].title, "Select the directory containing your Brelkin game files");
    const CardDocument& doc = window->document();
    EXPECT_EQ(doc.GamDefaultDirectory, FileSystem::storedPathCase(folder.path() + "/Games"));
    EXPECT_NE(doc.GamDefaultDirectory, before);
    EXPECT_EQ(doc.BottomRow, 4);
    EXPECT_EQ(doc.StyleFontColour[2], 0x00FF00);
    EXPECT_EQ(ini("FileLocations", "GamDefaultDirectory"), "missing");
    EXPECT_EQ(ini("Styles", "StyleFontColour2"), "missing");
    // The colour change still refills the card.
    RichTextBox& box = window->RTFbtn(28);
    box.setSelStart(0);
    box.setSelLength(box.TextLength());
    EXPECT_EQ(box.Text(), "Fire");
    dialog.queueOpen(programFile("Flight.gam"));
    window->findChild<QAction*>("mnuOpen")->trigger();
    EXPECT_EQ(dialog.last().initDir, doc.GamDefaultDirectory);
}

TEST_F(PreferencesTest, TheOpenDialogDoesNotInheritWhatThePreferencesAskedFor) {
    start();
    openGame();
    dialog.queueFolder(folder.path() + "/Templates");
    dialog.queueOpen(programFile("Gamecard.bmp"));
    dialog.queueFont({"Liberation Serif", 12.0, false, false, false});
    dialog.queueColor(0x00FF00);
    withPreferences([](Preferences& p) {
        p.CMDtemplates->click();
        p.CMDbitmap->click();
        p.Command2[0]->click();
        p.Command3[0]->click();
        p.Command4[2]->click();
    });
    dialog.queueOpen(programFile("Flight.gam"));
    window->findChild<QAction*>("mnuOpen")->trigger();
    ASSERT_EQ(dialog.count(), 6u);
    const ScriptedCommonDialog::Shown& open = dialog.last();
    EXPECT_EQ(open.kind, ScriptedCommonDialog::Kind::Open);
    EXPECT_EQ(open.title, "");
    EXPECT_EQ(open.flags, 0);
    EXPECT_TRUE(open.fileName.endsWith("Flight.gam")); // the game file chosen before
}

TEST_F(PreferencesTest, EnterPressesTheFocusedButtonAndEachOpeningHasDialogsOfItsOwn) {
    start();
    dialog.queueFont({"Liberation Serif", 14}); // the Format menu's
    window->findChild<QAction*>("mnuFormatFC_0")->trigger();
    // Enter on Font shows a fresh font dialog; then Cancel closes, an option button applies.
    for (int opening = 0; opening < 2; ++opening) {
        dialog.queueFont({"Liberation Sans", 20});
        withPreferences([opening](Preferences& p) {
            QWidget* const focused[] = {p.Command2[0], p.Command4[2], p.Option1[2]};
            QApplication::setActiveWindow(&p);
            for (QWidget* button : {focused[0], focused[1 + opening]}) {
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Return);
            }
            EXPECT_FALSE(p.isVisible());
        });
        EXPECT_DOUBLE_EQ(dialog.last().fontSize, 8.0); // neither the Format menu's nor its last
        EXPECT_EQ(FileSystem::fileExists(window->document().iniPath()), opening == 1);
    }
    dialog.queueCancel(ScriptedCommonDialog::Kind::Font);
    window->findChild<QAction*>("mnuFormatFC_0")->trigger();
    EXPECT_DOUBLE_EQ(dialog.last().fontSize, 14.0);
}

} // namespace
