#include "card_editor/window/LayoutSave.h"
#include "card_editor/window/MovablePicture.h"
#include "card_editor/window/tests/QuilletFixture.h"
#include "common/richtext/RichTextBox.h"
#include "tests/support/FailingSync.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

class TemplateTest : public QuilletFixture {
protected:
    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    QString templates() const { return programFile("Templates"); }
    QString templateFile(const QString& name) const {
        return templates() + "/" + name + "/" + name + ".qlt";
    }

    // Runs Save as (or Save) while the save-template dialog is answered by act.
    void saveWith(int index, const std::function<void(LayoutSave&)>& act) {
        QTimer::singleShot(0, [act] {
            if (auto* d = qobject_cast<LayoutSave*>(QApplication::activeModalWidget())) {
                act(*d);
                d->reject(); // never left open, whatever act did
            }
        });
        window->mnuFileSaveTemplate_Click(index);
    }
    void saveAs(const QString& name) {
        saveWith(1, [name](LayoutSave& d) {
            d.Combo1->setEditText(name);
            d.Command1[0]->click();
        });
    }

    // Text and formatting of a box, the way the user sees them.
    QString looks(int i) {
        RichTextBox& box = window->RTFbtn(i);
        box.setSelStart(0);
        box.setSelLength(int(box.Text().size()));
        return QStringLiteral("%1|%2|%3|%4|%5")
            .arg(box.Text())
            .arg(box.SelBold().value_or(false))
            .arg(box.SelColor().value_or(1))
            .arg(box.SelFontSize().value_or(0))
            .arg(box.SelAlignment().value_or(-1));
    }
};

TEST_F(TemplateTest, SavedTemplateOpensAgainAsItWasSaved) {
    start();
    ASSERT_TRUE(QDir(templates()).mkpath("temp"));
    ASSERT_TRUE(QDir(templates()).mkpath("Temp"));
    // A picture whose path holds a comma and letters Windows-1252 lacks.
    const QString pictureFolder = programFile("pics, Ωmega");
    ASSERT_TRUE(QDir().mkpath(pictureFolder));
    const QString picture = pictureFolder + "/Їжак, 1.png";
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(picture));

    RichTextBox& box = window->RTFbtn(3);
    box.setText("Gear up");
    box.setSelStart(0);
    box.setSelLength(7);
    box.setSelBold(true);
    box.setSelColor(0x0000FF);
    box.setSelFontSize(14);
    window->SetTitleBox("Race day");
    window->RTFbtn(5).setGeometry(30, 40, 50, 60);
    window->Image1().setPicture(image);
    window->document().ImagePath = picture;
    window->Image1().setGeometry(10, 20, 100, 120);
    action("mnuImageVisible")->trigger(); // hidden
    window->document().GameName = "Race day";
    const QString gear = looks(3), title = looks(34);
    ASSERT_EQ(gear, "Gear up|1|255|14|2");
    const CardLayout layout = window->currentLayout();

    saveWith(1, [](LayoutSave& d) {
        EXPECT_EQ(d.windowTitle(), "Save template as ...");
        EXPECT_EQ(d.Combo1->currentText(), "Race day");
        EXPECT_TRUE(d.Command1[0]->isEnabled());
        QStringList listed;
        for (int i = 0; i < d.Combo1->count(); ++i) {
            listed << d.Combo1->itemText(i);
        }
        EXPECT_EQ(listed, QStringList{"Temp"});
        d.Command1[0]->click();
    });
    const QString file = templateFile("Race day");
    EXPECT_EQ(TextFile::readLines(file)->size(), 37);
    for (int i = 0; i < 35; ++i) {
        EXPECT_TRUE(
            FileSystem::fileExists(templates() + QString("/Race day/TextBox%1.rtf").arg(i)));
    }
    EXPECT_EQ(action("mnuPreviousArray_1")->data().toString(), file);

    action("mnuNewTemplate")->trigger();
    EXPECT_EQ(window->RTFbtn(3).Text(), "");
    EXPECT_TRUE(window->Image1().picture().isNull());
    window->RTFbtn(5).setGeometry(1, 1, 9, 9);
    action("mnuImageVisible")->trigger();
    action("mnuImageLocked")->setChecked(false);

    action("mnuPreviousArray_1")->trigger();
    EXPECT_EQ(window->currentLayout(), layout);
    EXPECT_TRUE(window->Image1().isHidden());
    EXPECT_TRUE(action("mnuImageLocked")->isChecked());
    EXPECT_EQ(window->document().ImagePath, picture);
    EXPECT_FALSE(window->Image1().picture().isNull());
    EXPECT_EQ(looks(3), gear);
    EXPECT_EQ(looks(34), title);
    EXPECT_EQ(window->document().TemplateName, "Race day");

    // Save writes the same folder again, without asking, byte for byte.
    const QByteArray rtf = *FileSystem::readFile(templates() + "/Race day/TextBox3.rtf");
    const QByteArray qlt = *FileSystem::readFile(file);
    action("mnuFileSaveTemplate_0")->trigger();
    EXPECT_EQ(*FileSystem::readFile(templates() + "/Race day/TextBox3.rtf"), rtf);
    EXPECT_EQ(*FileSystem::readFile(file), qlt);
    EXPECT_EQ(messageBox.count(), 0u);
    // What is typed is the name: not completed to "Race day", not case-folded.
    for (const char* typed : {"Race", "RACE DAY"}) {
        saveWith(1, [typed](LayoutSave& d) {
            d.Combo1->clearEditText();
            QTest::keyClicks(d.Combo1->lineEdit(), typed);
            QTest::keyClick(d.Combo1->lineEdit(), Qt::Key_Return);
        });
        EXPECT_EQ(window->document().TemplateName, QString(typed));
    }
}

TEST_F(TemplateTest, RefusedNamesKeepOkDisabledAndNothingIsWritten) {
    start();
    window->document().GameName = "a/b";
    saveWith(0, [](LayoutSave& d) { // Save without a name asks as Save as does
        EXPECT_EQ(d.Combo1->currentText(), "a/b");
        // The name, and what the line under it names ("" for none).
        const std::pair<const char*, const char*> names[] = {
            {"", ""},           {"   ", "blanks"},  {".", "\"..\""},     {"..", "\"..\""},
            {"../up", "\"/\""}, {"a\\b", "\"\\\""}, {"x\ty", "control"}, {"del\x7f", "control"},
            {"ok", ""},         {"...", ""},        {" R&D ", ""},       {"Ωmega.qlt", ""},
        };
        for (const auto& [name, refused] : names) {
            d.Combo1->setEditText(name);
            const bool ok = *name != '\0' && *refused == '\0';
            EXPECT_EQ(d.Command1[0]->isEnabled(), ok) << name;
            EXPECT_EQ(d.Refused->text().isEmpty(), !*refused) << name;
            EXPECT_TRUE(d.Refused->text().contains(refused)) << name;
        }
        d.Combo1->setEditText("..");
        d.Command1[0]->click(); // refused
        EXPECT_TRUE(d.isVisible());
        d.Command1[1]->click();
    });
    EXPECT_EQ(window->document().TemplateName, "");
    EXPECT_TRUE(QDir(templates()).isEmpty());
    EXPECT_FALSE(action("mnuFilePrevious")->isEnabled());
}

TEST_F(TemplateTest, FilesThatCannotBeWrittenOrReadAreReported) {
    start();
    ASSERT_TRUE(TextFile::writeLines(templates() + "/busy", {"a file, not a folder"}));
    messageBox.queueAnswer(MsgAnswer::Ok);
    saveAs("busy");
    ASSERT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(messageBox.last().title, "Can't save template");
    EXPECT_TRUE(messageBox.last().text.contains(templates() + "/busy"));
    EXPECT_FALSE(action("mnuFilePrevious")->isEnabled());
    window->document().TemplatesDirectory.clear();
    messageBox.queueAnswer(MsgAnswer::Ok);
    saveAs("nowhere");
    EXPECT_EQ(messageBox.count(), 2u);
    EXPECT_FALSE(FileSystem::pathExists("nowhere"));
    window->document().TemplatesDirectory = templates();
    // A save that fails leaves no new folder behind for the list to offer.
    messageBox.queueAnswer(MsgAnswer::Ok);
    saveAs(QString(253, u'n')); // room for the folder, not for ".qlt"
    EXPECT_FALSE(FileSystem::pathExists(templates() + "/" + QString(253, u'n')));

    // A damaged template: binary layout, a "picture" that is text, box files missing.
    window->RTFbtn(0).setText("kept");
    const CardLayout before = window->currentLayout();
    ASSERT_TRUE(QDir(templates()).mkpath("bad"));
    ASSERT_TRUE(TextFile::writeLines(templates() + "/bad/pic.png", {"not a picture"}));
    ASSERT_TRUE(FileSystem::replaceFile(templateFile("bad"),
                                        QByteArray("\x01\xff 3\r\n") + templates().toUtf8() +
                                            "/bad/pic.png\r\n\x00\x00 7",
                                        nullptr));
    window->Image1().setPicture(QImage(4, 4, QImage::Format_RGB32));
    window->document().PendingFile = templateFile("bad");
    window->document().OpenPending = 1;
    window->OpenGamFile();
    EXPECT_EQ(window->currentLayout(), before);
    EXPECT_TRUE(window->Image1().picture().isNull());
    EXPECT_EQ(window->document().ImagePath, templates() + "/bad/pic.png");
    EXPECT_EQ(window->RTFbtn(0).Text(), "kept");
    EXPECT_EQ(window->document().TemplateName, "bad");
    // Saved again, the template keeps the path of the picture it could not show.
    action("mnuFileSaveTemplate_0")->trigger();
    EXPECT_EQ(TextFile::readLines(templateFile("bad"))->value(1), templates() + "/bad/pic.png");

    // A ".qlt" that is a folder cannot be read: the card stays, and the user is told.
    ASSERT_TRUE(QDir(templates()).mkpath("odd/odd.qlt"));
    messageBox.queueAnswer(MsgAnswer::Ok);
    window->TemplateFile = templateFile("odd");
    window->OpenTemplate();
    EXPECT_EQ(messageBox.last().title, "Can't open template");
    EXPECT_EQ(window->document().TemplateName, "bad");
}

// Saved over a template, a file that cannot be written is named with its reason, said once where
// all share it; the others take the edits, and a save that wrote nothing says so.
TEST_F(TemplateTest, SavingOverATemplateWritesEveryFileItCanAndReportsTheRestOnce) {
    const QString folder = templates() + "/race";
    const QString inTheWay = " (A folder of that name is in the way)";
    const QString notWhole =
        ", so the template is not saved whole. Everything else in it is saved.";
    struct Row {
        QStringList inTheWay; // folders where these files should be
        QString readOnly;
        bool syncsFail;
        QString message;
    };
    const Row rows[] = {
        {{"race.qlt", "TextBox5.rtf"},
         "",
         false,
         "race.qlt and TextBox5.rtf in " + folder + inTheWay + notWhole},
        {{"TextBox0.rtf"},
         "TextBox1.rtf",
         false,
         "TextBox0.rtf" + inTheWay + " and TextBox1.rtf (The file is read-only) in " + folder +
             notWhole},
        {{},
         "",
         true,
         "race.qlt, TextBox0.rtf, TextBox1.rtf and 33 other files in " + folder +
             " (Input/output error), so the template is not saved."},
    };
    const auto boxFile = [](int i) { return QString("TextBox%1.rtf").arg(i); };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.syncsFail ? "every sync failing" : "some files in the way");
        start();
        messageBox.clear();
        ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
        for (int i = -1; i < 35; ++i) {
            const QString name = i < 0 ? QString("race.qlt") : boxFile(i);
            ASSERT_TRUE(row.inTheWay.contains(name)
                            ? QDir(folder).mkdir(name)
                            : FileSystem::replaceFile(folder + "/" + name, "old"));
            if (i >= 0) {
                window->RTFbtn(i).setText(QString("edit %1.").arg(i));
            }
        }
        if (!row.readOnly.isEmpty()) {
            ASSERT_TRUE(QFile::setPermissions(folder + "/" + row.readOnly, QFile::ReadOwner));
        }
        messageBox.queueAnswer(MsgAnswer::Ok);
        {
            std::optional<FailingSync> failingSync;
            if (row.syncsFail) {
                failingSync.emplace(folder);
            }
            saveAs("race");
        }
        for (int i = 0; i < 35; ++i) {
            if (!row.inTheWay.contains(boxFile(i))) {
                const QByteArray now = FileSystem::readFile(folder + "/" + boxFile(i)).value_or("");
                const bool written = !row.syncsFail && boxFile(i) != row.readOnly;
                EXPECT_TRUE(written ? now.contains("edit") : now == "old") << i;
            }
        }
        ASSERT_EQ(messageBox.count(), 1u);
        EXPECT_EQ(messageBox.last().title, "Can't save template");
        EXPECT_EQ(messageBox.last().text.toStdString(),
                  ("I couldn't write " + row.message).toStdString());
        EXPECT_FALSE(action("mnuFilePrevious")->isEnabled());
    }
}

TEST_F(TemplateTest, RecentTemplateLoadsAtStartAndTheListClears) {
    start();
    window->RTFbtn(7).setText("R&D notes");
    saveAs("R&D");
    start(); // no auto-loading yet
    EXPECT_EQ(window->RTFbtn(7).Text(), "");
    EXPECT_EQ(action("mnuPreviousArray_1")->text(), templateFile("R&&D"));
    action("mnuFileAutoLoad")->trigger();

    start();
    EXPECT_EQ(window->RTFbtn(7).Text(), "R&D notes");
    EXPECT_EQ(window->document().TemplateName, "R&D");
    action("mnuPreviousClearAll")->trigger();
    EXPECT_FALSE(action("mnuFilePrevious")->isEnabled());
    EXPECT_FALSE(action("mnuFileAutoLoad")->isChecked());
    EXPECT_EQ(action("mnuPreviousArray_1"), nullptr);

    start();
    EXPECT_EQ(window->RTFbtn(7).Text(), "");
    EXPECT_FALSE(action("mnuFilePrevious")->isEnabled());
}

TEST_F(TemplateTest, HelpOpensTheHelpFileAndAboutSaysWhatQuilletIs) {
    start();
    action("mnuHelpTopics")->trigger();
    EXPECT_EQ(shell.shownHelp(), QStringList{programFile("Tavrin.hlp")});
    messageBox.queueAnswer(MsgAnswer::Ok);
    action("mnuHelpAbout")->trigger();
    EXPECT_EQ(messageBox.last().title, "About Tavrin Quillet");
    EXPECT_EQ(messageBox.last().style, MsgStyle::Information);
    EXPECT_TRUE(messageBox.last().text.startsWith("Tavrin Quillet\n\n"));
    EXPECT_TRUE(messageBox.last().text.endsWith("\nVersion 1.0 beta"));
}

} // namespace
