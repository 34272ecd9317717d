#include "card_editor/window/FrmTemplate.h"
#include "common/platform/FileSystem.h"
#include "common/printing/PdfPrinter.h"
#include "common/richtext/RichTextBox.h"
#include "programmer/window/FormGameName.h"
#include "programmer/window/Mum.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/ScriptedMessageBox.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

struct Programmed {
    int button; // as printed on the controller
    QString description;
    std::vector<int> modes; // 0 Views-Out ... 4 Weapons
};

class Road : public ::testing::Test {
protected:
    void click(QWidget& window, const QString& name) {
        auto* widget = window.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    // A user programs one button in Tavrin: picks it on the picture, sets its modes, presses a
    // key on the on-screen keyboard, types the description and accepts.
    void program(Mum& mum, const Programmed& p, int key) {
        click(mum, QStringLiteral("LblBTN_%1").arg(mum.data().RecordOfRow(p.button) - 1));
        // Views-Out comes chosen; the others are clicked on or off.
        const auto wanted = [&](int m) {
            return std::find(p.modes.begin(), p.modes.end(), m) != p.modes.end();
        };
        if (!wanted(0)) {
            click(mum, "LBLprogramMode_0");
        }
        for (int m = 1; m < 5; ++m) {
            if (wanted(m)) {
                click(mum, QStringLiteral("LBLprogramMode_%1").arg(m));
            }
        }
        click(mum, QStringLiteral("Command1_%1").arg(key));
        auto* text = mum.findChild<QLineEdit*>("Text1");
        ASSERT_NE(text, nullptr);
        text->selectAll(); // a button programmed before shows its description
        QTest::keyClicks(text, p.description);
        tavrinMessages.queueAnswer(MsgAnswer::Ok);
        click(mum, "Command2_0");
    }

    void nameTheGame(Mum& mum, const QString& name) {
        QTimer::singleShot(0, [name] {
            auto* dialog = qobject_cast<FormGameName*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->Text1->setText(name);
            dialog->Command1[0]->click();
        });
        mum.mnuEnterGameName->trigger();
    }

    QTemporaryDir tavrinFolder;
    QTemporaryDir quilletFolder;
    ScriptedMessageBox tavrinMessages;
    ScriptedMessageBox quilletMessages;
    ScriptedCommonDialog tavrinDialogs;
    ScriptedCommonDialog quilletDialogs;
    RecordingShell shell;
};

TEST_F(Road, AGameProgrammedInTavrinPrintsAsACardInQuillet) {
    const QString gameName = "Night Raid";
    // Every button gets a description in one mode or more; some share their text across modes.
    const std::vector<Programmed> work = {
        {1, "Throttle up", {0, 1}}, {2, "Throttle down", {0}},
        {3, "Airbrake", {0, 2}},    {4, "Autopilot", {0}},
        {5, "Gear", {0}},           {5, "Fire guns", {4}},
        {6, "Hook", {0}},           {6, "Fire missile", {4}},
        {7, "Flaps", {0, 2}},       {7, "Bombs", {4}},
        {8, "Lights", {0}},         {8, "Rockets", {4}},
        {9, "Canopy", {0}},         {9, "Next weapon", {4}},
        {10, "Wheel brake", {0}},   {10, "Drop tank", {4}},
        {11, "Zoom in", {1}},       {12, "Zoom out", {1}},
        {13, "Padlock", {0, 1}},    {14, "Map", {0}},
        {15, "Radio", {2}},         {16, "Chaff", {0, 4}},
        {17, "Break left", {2}},    {18, "Break right", {2}},
        {19, "Cover me", {2}},      {20, "Rejoin", {2}},
        {21, "Range up", {3}},      {22, "Lock target", {3}},
        {23, "Look back", {0}},     {24, "Look left", {0}},
        {25, "Look right", {0}},    {26, "Next target", {3}},
        {27, "Flare", {0, 4}},      {28, "Eject", {0, 1, 2, 3, 4}},
    };

    // Tavrin: name the game, program the buttons, save.
    QString gamePath;
    {
        Mum mum(ProgrammerServices{tavrinMessages, shell, tavrinDialogs,
                                   [] { return std::make_unique<RecordingPrinter>(); },
                                   [] { return 1; }},
                tavrinFolder.path());
        mum.show();
        nameTheGame(mum, gameName);
        int key = 20;
        for (const Programmed& p : work) {
            program(mum, p, key++);
        }
        tavrinDialogs.queueSave(FileSystem::joinPath(tavrinFolder.path(), "raid"));
        mum.mnuSave->trigger();
        gamePath = mum.data().CurrentFilePath;
        ASSERT_TRUE(QFile::exists(gamePath));
        ASSERT_EQ(tavrinMessages.pendingAnswers(), 0u);
    }
    if (const QByteArray keep = qgetenv("QUILLET_ROAD_GAME"); !keep.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(keep));
        QFile::copy(gamePath, QString::fromLocal8Bit(keep)); // for pictures of the card
    }

    // Quillet: open the same file and print the card.
    for (const char* shipped : {"Gamecard.bmp", "Restore.txt"}) {
        QFile::copy(QStringLiteral(TAVRIN_SOURCE_DIR "/data/files/") + shipped,
                    FileSystem::joinPath(quilletFolder.path(), shipped));
    }
    const QString pdf = FileSystem::joinPath(quilletFolder.path(), "card.pdf");
    FrmTemplate quillet(QuilletServices{quilletMessages, quilletDialogs, shell,
                                        [pdf] { return std::make_unique<PdfPrinter>(pdf); },
                                        [] { return 1; },
                                        [&](QWidget*) { return quilletDialogs.sibling(); }},
                        quilletFolder.path());
    quillet.show();
    quilletDialogs.queueOpen(gamePath);
    quillet.findChild<QAction*>("mnuOpen")->trigger();
    EXPECT_EQ(quillet.RTFbtn(34).Text(), gameName);
    EXPECT_EQ(quillet.RTFbtn(27).Text(), "Eject"); // one line: the others are repeats
    EXPECT_EQ(quillet.RTFbtn(28).Text(), "Fire guns");
    EXPECT_EQ(quillet.RTFbtn(4).Text(), "Gear");
    EXPECT_EQ(quillet.RTFbtn(0).Text(), "Throttle up");

    quillet.findChild<QAction*>("mnuFilePrint")->trigger();
    EXPECT_EQ(quilletMessages.count(), 0u);
    // In the order it was drawn, box by box, each description is one run of words.
    QProcess text;
    text.start("pdftotext", {"-raw", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    EXPECT_TRUE(printed.contains(gameName)) << printed.toStdString();
    for (const Programmed& p : work) {
        EXPECT_TRUE(printed.contains(p.description)) << p.description.toStdString();
    }
}

} // namespace
