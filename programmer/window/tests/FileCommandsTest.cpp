#include "programmer/window/tests/MumFixture.h"

#include "common/richtext/RichTextBox.h"
#include "programmer/window/FormGameName.h"
#include "programmer/window/GridTable.h"
#include "programmer/window/KeyAssignmentTab.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTimer>

namespace {

class FileCommands : public MumFixture {
public:
    QString path(const QString& name) const { return folder.filePath(name); }

    // Saves the open file under name through Save As.
    void saveAs(const QString& name) {
        dialogs.queueSave(path(name));
        window->mnuFileSaveAs->trigger();
    }

    static void makeReadOnly(const QString& file) {
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
};

TEST_F(FileCommands, SavingAnEmptyFileOrWhileProgrammingIsRefused) {
    messages.queueAnswer(MsgAnswer::Ok);
    window->mnuSave->trigger();
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().title, "Hey ease up on the alcohol there buddy!");
    EXPECT_EQ(messages.last().style, MsgStyle::Exclamation);
    messages.clear();

    messages.queueAnswer(MsgAnswer::Ok);
    window->mnuFileSaveAs->trigger();
    EXPECT_EQ(messages.last().title, "Time to go back on the medication buddy!");
    EXPECT_EQ(dialogs.count(), 0u);

    programButton(2, "Gun", 21);
    clickButtonNumber(2);
    clickKey(22);
    messages.queueAnswer(MsgAnswer::Ok);
    window->mnuSave->trigger();
    EXPECT_EQ(messages.last().title, "Can't save whilst programming");
    EXPECT_EQ(messages.last().text,
              "You're in the middle of programming a button. You need to Accept or Cancel that "
              "programming before you can save the file.");
    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_FALSE(QFile::exists(path("Untitled.gam")));
}

TEST_F(FileCommands, SaveAsAddsTheGameExtensionToPathAndTitle) {
    programButton(4, "Map", 32);
    saveAs("falcon");
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.last().title, "Save file as ...");
    EXPECT_EQ(dialogs.last().filter, "Brelkin game file (*.gam)|*.gam");
    EXPECT_EQ(dialogs.last().defaultExt, "gam");
    EXPECT_EQ(dialogs.last().fileName, "Untitled.gam");
    EXPECT_TRUE(QFile::exists(path("falcon.gam")));
    EXPECT_EQ(panel(1), " falcon.gam saved successfully.");
    EXPECT_EQ(panel(2), "Saved");
    EXPECT_EQ(panel(3), "falcon.gam");

    // Another extension: the file written and the name kept agree.
    programButton(4, "Map 2", 32);
    saveAs("notes.txt");
    EXPECT_TRUE(QFile::exists(path("notes.txt.gam")));
    EXPECT_FALSE(QFile::exists(path("notes.txt")));
    EXPECT_EQ(window->data().CurrentFilePath, path("notes.txt.gam"));
    EXPECT_EQ(window->data().Settings.Lastfolder, ProgrammerSettings::FolderOf(path("x")));

    // Overwriting asks; No writes nothing.
    programButton(4, "Map 3", 32);
    messages.queueAnswer(MsgAnswer::No);
    saveAs("falcon.gam");
    EXPECT_EQ(messages.last().title, "OK to overwrite exisiting file?");
    EXPECT_EQ(messages.last().text,
              "falcon.gam already exists. Do you want me to overwrite this file?");
    EXPECT_EQ(panel(2), "Modified");
}

TEST_F(FileCommands, SaveOfAReadOnlyFileLeadsToSaveAs) {
    programButton(6, "Radio", 33);
    saveAs("locked.gam");
    makeReadOnly(path("locked.gam"));
    programButton(6, "Radio 2", 33);

    messages.queueAnswer(MsgAnswer::Ok);
    dialogs.queueCancel(ScriptedCommonDialog::Kind::Save);
    window->mnuSave->trigger();
    EXPECT_EQ(messages.last().title, "Can't save Read Only file");
    EXPECT_EQ(messages.last().text, path("locked.gam") +
                                        " is read only. You'll need to save it elsewhere using the "
                                        "Save As routine. I'll run this for you now.");
    EXPECT_EQ(dialogs.last().kind, ScriptedCommonDialog::Kind::Save);
    EXPECT_EQ(panel(2), "Modified");

    // Choosing the read-only file again in Save As is refused after the overwrite question.
    messages.queueAnswer(MsgAnswer::Yes);
    messages.queueAnswer(MsgAnswer::Ok);
    saveAs("locked.gam");
    EXPECT_EQ(messages.last().text, path("locked.gam") +
                                        " is read only. You'll need to choose a different file "
                                        "name from the Save As menu again");
    EXPECT_EQ(panel(2), "Modified");
}

TEST_F(FileCommands, CloseAsksAboutTheGameFileThenTheDocument) {
    programButton(10, "Lights", 30);
    window->TextChanged = 1;
    window->TextFileTitle = "Notes.rtf";

    messages.queueAnswer(MsgAnswer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(messages.last().title, "Save programmed file first?");
    EXPECT_EQ(messages.last().style, MsgStyle::QuestionYesNo);

    messages.queueAnswer(MsgAnswer::No);
    messages.queueAnswer(MsgAnswer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(messages.last().title, "Save text file first?");
    EXPECT_TRUE(messages.last().text.startsWith("Notes.rtf has changed and isn't saved."));
    EXPECT_TRUE(window->isVisible());

    messages.queueAnswer(MsgAnswer::No);
    messages.queueAnswer(MsgAnswer::No);
    window->mnuExit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages.count(), 6u);
    EXPECT_FALSE(QFile::exists(path("Tavrin.ini"))); // nothing is written on the way out
}

TEST_F(FileCommands, OpenAndNewKeepUnsavedWorkWhenTheUserSaysYes) {
    programButton(12, "Zoom", 45);
    messages.queueAnswer(MsgAnswer::Yes);
    window->mnuOpen->trigger();
    EXPECT_EQ(messages.last().title, "Save current file first?");
    EXPECT_EQ(dialogs.count(), 0u);
    messages.queueAnswer(MsgAnswer::Yes);
    window->mnuNew->trigger();
    EXPECT_EQ(infoLabel(12)->text(), "Zoom");
    EXPECT_EQ(panel(2), "Modified");

    messages.queueAnswer(MsgAnswer::No);
    window->mnuNew->trigger();
    EXPECT_EQ(infoLabel(12)->text(), "");
    EXPECT_EQ(find<GridTable>("Grid1")->cellText(12, 1), "");
    EXPECT_EQ(panel(2), "New file");
    EXPECT_EQ(panel(3), "Untitled.gam");
}

TEST_F(FileCommands, StartUpSkipsMissingFilesAndSurvivesAFileThatDoesNotRead) {
    QFile ini(path("Tavrin.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Main options]\r\nLastGamPath=" + path("gone.gam").toUtf8() +
              "\r\nLastGamName=gone.gam\r\nLastTextFilePath=" + path("gone.rtf").toUtf8() +
              "\r\nAlwaysChorded=0\r\n");
    ini.close();
    startWindow();
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_EQ(panel(3), "Untitled.gam");
    EXPECT_FALSE(window->mnuAssumeChordedKeys->isChecked());

    // A file that is not a game file opens as an empty one; every command still works.
    QFile junk(path("junk.gam"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\xff\xfe garbage\n$01 $zz $99 \n");
    junk.close();
    dialogs.queueOpen(path("junk.gam"));
    window->mnuOpen->trigger();
    EXPECT_EQ(panel(3), "junk.gam");
    for (int m = 0; m < 5; ++m) {
        click(QStringLiteral("LblMODE_%1").arg(m));
    }
    click("OptionGraphicalViews_2");
    click("OptionTableViews_1");
    window->mnuRestoreTable->trigger();
    programButton(1, "Fire", 20);
    window->mnuSave->trigger();
    EXPECT_EQ(panel(1), " junk.gam saved successfully.");
}

TEST_F(FileCommands, StartUpReloadsTheLastDocumentWithoutCountingItAsAChange) {
    QFile notes(path("Notes.rtf"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("{\\rtf1\\ansi {\\b Gear} is G\\par}");
    notes.close();
    QFile ini(path("Tavrin.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Main options]\r\nLastTextFilePath=" + notes.fileName().toUtf8() +
              "\r\nLastTextFileName=Notes.rtf\r\n");
    ini.close();
    startWindow();
    EXPECT_TRUE(window->TemplateText->Text().startsWith("Gear is G"));
    EXPECT_EQ(window->TextFileTitle, "Notes.rtf");
    EXPECT_EQ(window->TextFilePath, notes.fileName());
    EXPECT_EQ(window->keyAssignmentTab->saveMenuItems[0]->text(), "Notes.rtf");
    EXPECT_EQ(window->TextChanged, 0);
    EXPECT_TRUE(window->close());

    startWindow();
    window->TemplateText->setText("typed");
    EXPECT_EQ(window->TextChanged, 1);
    messages.queueAnswer(MsgAnswer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(messages.last().title, "Save text file first?");
}

TEST_F(FileCommands, ChordedKeysSettingSurvivesARestart) {
    window->mnuAssumeChordedKeys->trigger();
    startWindow();
    EXPECT_FALSE(window->mnuAssumeChordedKeys->isChecked());
    EXPECT_EQ(window->data().Settings.AlwaysChorded, 0);
    window->mnuAssumeChordedKeys->trigger();
    startWindow();
    EXPECT_TRUE(window->mnuAssumeChordedKeys->isChecked());
}

TEST_F(FileCommands, GameNameDialogShowsTheNameSelectedAndCancelKeepsIt) {
    programButton(3, "Trim", 37);
    auto answer = [](auto&& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<FormGameName*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    };
    answer([](FormGameName& d) {
        EXPECT_EQ(d.windowTitle(), "Enter game name");
        EXPECT_EQ(d.Text1->text(), "Unknown");
        EXPECT_EQ(d.Text1->selectedText(), "Unknown");
        d.Text1->clear();
        EXPECT_FALSE(d.Command1[0]->isEnabled());
        QTest::keyClicks(d.Text1, "Typed");
        d.Command1[1]->click();
    });
    window->mnuEnterGameName->trigger();
    EXPECT_EQ(window->data().GameName, "Unknown");

    answer([](FormGameName& d) {
        d.Text1->setText("Falcon 4");
        d.Command1[0]->click();
    });
    window->mnuEnterGameName->trigger();
    EXPECT_EQ(window->data().GameName, "Falcon 4");
    EXPECT_EQ(panel(2), "Modified");
}

} // namespace
