#include "programmer/window/tests/MumFixture.h"

#include "common/platform/FileSystem.h"
#include "common/richtext/RichTextBox.h"
#include "programmer/window/KeyAssignmentDocument.h"
#include "programmer/window/KeyAssignmentTab.h"
#include "tests/support/PdfText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

using Kind = ScriptedCommonDialog::Kind;

class DocumentCommands : public MumFixture {
public:
    QString path(const QString& name) const { return folder.filePath(name); }
    RichTextBox& box() const { return *window->TemplateText; }

    // Clicks a button of the document's toolbar, as a user would on its tab.
    void tool(int index) {
        window->SSTab1->setCurrentIndex(2);
        click(QStringLiteral("Toolbar1_%1").arg(index));
    }
    void saveAs() { window->keyAssignmentTab->saveMenuItems[1]->trigger(); }
    // A new start with no document to reload.
    void restart() {
        QFile::remove(path("Tavrin.ini"));
        startWindow();
    }

    void select(int start, int length) {
        box().setSelStart(start);
        box().setSelLength(length);
    }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString setting(const QString& key) const {
        const QRegularExpression line(QStringLiteral("(?m)^") + key + QStringLiteral("=(.*)\r$"));
        return line.match(QString::fromLatin1(read("Tavrin.ini"))).captured(1);
    }
    static void makeReadOnly(const QString& file) {
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    static void expectShown(const ScriptedMessageBox::Shown& shown, const QString& title, int style,
                            const QString& text) {
        EXPECT_EQ(shown.title, title);
        EXPECT_EQ(shown.style, style);
        EXPECT_EQ(shown.text, text);
    }
    void expectNoPendingAnswers() const {
        EXPECT_EQ(messages.pendingAnswers(), 0u);
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
    }
};

TEST_F(DocumentCommands, UnsavedChangesQuestionBeforeNewAndOpen) {
    struct Row {
        const char* name;
        int button; // 1 new, 2 open
        int answer;
        bool saveCancelled; // after Yes: the user cancels the save dialog
        bool replaced;
    };
    const Row rows[] = {
        {"new, Cancel", 1, MsgAnswer::Cancel, false, false},
        {"new, No", 1, MsgAnswer::No, false, true},
        {"new, Yes and saved", 1, MsgAnswer::Yes, false, true},
        {"new, Yes and the save cancelled", 1, MsgAnswer::Yes, true, false},
        {"open, Cancel", 2, MsgAnswer::Cancel, false, false},
        {"open, No", 2, MsgAnswer::No, false, true},
        {"open, Yes and saved", 2, MsgAnswer::Yes, false, true},
        {"open, Yes and the save cancelled", 2, MsgAnswer::Yes, true, false},
    };
    write("other.txt", "Other text\r\n");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(path("kept.rtf"));
        restart();
        messages.clear();
        tool(1); // nothing to ask about yet
        QTest::keyClicks(&box(), "Gear up");
        ASSERT_EQ(window->TextChanged, 1);

        messages.queueAnswer(row.answer);
        if (row.answer == MsgAnswer::Yes && row.saveCancelled) {
            dialogs.queueCancel(Kind::Save);
            messages.queueAnswer(MsgAnswer::Ok);
        } else if (row.answer == MsgAnswer::Yes) {
            dialogs.queueSave(path("kept"));
        }
        if (row.replaced && row.button == 2) {
            dialogs.queueOpen(path("other.txt"));
        }
        tool(row.button);

        const QString doing = row.button == 1 ? "creating a new file" : "opening another file";
        ASSERT_GE(messages.count(), 1u);
        expectShown(messages.shown()[0], " Save Untitled.rtf now?", MsgStyle::QuestionYesNoCancel,
                    "Untitled.rtf has changed and isn't saved. Do you want to save it before " +
                        doing + "?");
        if (row.saveCancelled) {
            expectShown(messages.last(), "Ooops!", MsgStyle::Exclamation,
                        QString("Untitled.rtf wasn't saved for some reason. I won't proceed in ") +
                            (row.button == 1 ? "creating a new file" : "opening up another file"));
        }
        EXPECT_EQ(QFile::exists(path("kept.rtf")),
                  row.answer == MsgAnswer::Yes && !row.saveCancelled);
        if (row.replaced) {
            // New gives the document its untitled path and leaves the name on the Save menu.
            EXPECT_EQ(window->TextFilePath, path(row.button == 1 ? "Untitled.rtf" : "other.txt"));
            const char* saveItem = row.button == 2                ? "other.txt"
                                   : row.answer == MsgAnswer::Yes ? "kept.rtf"
                                                                  : "Original";
            EXPECT_EQ(window->keyAssignmentTab->saveMenuItems[0]->text(), saveItem);
            EXPECT_EQ(box().Text(), row.button == 1 ? "" : "Other text\r\n");
            EXPECT_EQ(window->TextChanged, 0);
            EXPECT_EQ(panel(1), row.button == 1 ? "New text file created"
                                                : "other.txt was opened successfully");
        } else {
            EXPECT_EQ(box().Text(), "Gear up");
            EXPECT_EQ(window->TextChanged, 1);
        }
        expectNoPendingAnswers();
    }
}

TEST_F(DocumentCommands, SaveWritesRtfOrPlainTextByTheNameAndTheNextStartReloadsIt) {
    struct Row {
        const char* typed;
        const char* file;
        bool rtf;
    };
    const Row rows[] = {
        {"keys", "keys.rtf", true},          {"Keys.RTF", "Keys.RTF", true},
        {"keys.txt", "keys.txt", false},     {"KEYS.TXT", "KEYS.TXT", false},
        {"flight.ini", "flight.ini", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        restart();
        const std::size_t dialogsBefore = dialogs.count();
        // What a game-file Save As leaves in the shared dialog.
        dialogs.DialogTitle = "Save file as ...";
        dialogs.Filter = "Brelkin game file (*.gam)|*.gam";
        dialogs.DefaultExt = "gam";
        dialogs.FileName = "Falcon.gam";
        box().setText(QStringLiteral("Gear up \u00e9\r\nFlaps"));
        select(0, 4);
        tool(11);

        dialogs.queueSave(path(row.typed));
        tool(3); // "Untitled.rtf" always goes through Save As
        ASSERT_EQ(dialogs.count(), dialogsBefore + 1);
        const auto& shown = dialogs.last();
        EXPECT_EQ(shown.kind, Kind::Save);
        EXPECT_EQ(shown.title, "Save text file as ...");
        EXPECT_EQ(shown.filter, KeyAssignmentDocument::DialogFilter);
        EXPECT_EQ(shown.initDir, path("Untitled.rtf"));
        EXPECT_EQ(shown.defaultExt, "rtf");
        EXPECT_EQ(shown.fileName, "");
        EXPECT_EQ(panel(1), QString(row.file) + " was saved successfully");
        EXPECT_EQ(window->TextChanged, 0);
        EXPECT_EQ(window->keyAssignmentTab->saveMenuItems[0]->text(), row.file);
        EXPECT_EQ(setting("LastTextFilePath"), path(row.file));
        EXPECT_EQ(setting("LastTextFileName"), row.file);
        EXPECT_EQ(setting("LastTextfolder"), ProgrammerSettings::FolderOf(path(row.file)));
        const QByteArray written = read(row.file);
        if (row.rtf) {
            EXPECT_TRUE(written.startsWith("{\\rtf"));
        } else {
            EXPECT_EQ(written, "Gear up \xe9\r\nFlaps");
        }

        // Save again: no dialog, the same file.
        box().setSelStart(box().TextLength());
        QTest::keyClicks(&box(), " down");
        tool(3);
        EXPECT_EQ(dialogs.count(), dialogsBefore + 1);
        EXPECT_EQ(window->TextChanged, 0);

        // The next start reloads the document as it was saved, and a Save needs no dialog.
        startWindow();
        EXPECT_EQ(window->TextFileTitle, row.file);
        EXPECT_EQ(window->TextChanged, 0);
        EXPECT_TRUE(box().Text().startsWith(QStringLiteral("Gear up \u00e9\r\nFlaps down")));
        select(0, 4);
        EXPECT_EQ(box().SelBold(), row.rtf);
        ASSERT_TRUE(QFile::remove(path("Tavrin.ini"))); // a plain Save writes no settings
        tool(3);
        EXPECT_EQ(dialogs.count(), dialogsBefore + 1);
        EXPECT_FALSE(QFile::exists(path("Tavrin.ini")));
        expectNoPendingAnswers();
    }

    // A new document is Windows-1252 again, whatever the one before was read in.
    write("utf8.txt", "caf\xC3\xA9");
    dialogs.queueOpen(path("utf8.txt"));
    tool(2);
    tool(1);
    box().setText(QStringLiteral("caf\u00e9"));
    dialogs.queueSave(path("new.txt"));
    tool(3);
    EXPECT_EQ(read("new.txt"), "caf\xe9");
}

TEST_F(DocumentCommands, OverwriteNoReadOnlyAndFailedWritesKeepTheDocumentAsItWas) {
    write("b.rtf", "old");
    dialogs.queueSave(path("a.rtf"));
    box().setText("mine");
    tool(3);
    ASSERT_EQ(window->TextFilePath, path("a.rtf"));

    // No to the overwrite question: nothing written, the document keeps its name.
    QTest::keyClicks(&box(), "!");
    dialogs.queueSave(path("b.rtf"));
    messages.queueAnswer(MsgAnswer::No);
    saveAs();
    expectShown(messages.last(), "OK to overwrite exisiting file?", MsgStyle::QuestionYesNo,
                "b.rtf already exists. Do you want me to overwrite this file?");
    EXPECT_EQ(read("b.rtf"), "old");
    EXPECT_EQ(window->TextFilePath, path("a.rtf"));
    EXPECT_EQ(window->TextChanged, 1);
    tool(3);
    EXPECT_EQ(window->TextChanged, 0);
    EXPECT_NE(read("a.rtf").indexOf("!mine"), -1);

    // A read-only document is saved elsewhere; cancelling that keeps the changes unsaved.
    makeReadOnly(path("a.rtf"));
    QTest::keyClicks(&box(), "?");
    messages.queueAnswer(MsgAnswer::Ok);
    dialogs.queueCancel(Kind::Save);
    tool(3);
    expectShown(messages.last(), "Can't save Read Only file", MsgStyle::Information,
                "a.rtf is read only. You'll need to save it elsewhere using the Save As routine. "
                "I'll run this for you now.");
    EXPECT_EQ(window->TextChanged, 1);

    // Save As onto a read-only file: nothing changes hands, and nothing claims success.
    makeReadOnly(path("b.rtf"));
    messages.queueAnswer(MsgAnswer::Yes);
    dialogs.queueSave(path("b.rtf"));
    saveAs();
    EXPECT_EQ(panel(1), "Warning: File not saved.");
    EXPECT_EQ(window->TextChanged, 1);
    EXPECT_EQ(window->TextFilePath, path("a.rtf"));
    EXPECT_EQ(read("b.rtf"), "old");

    // A folder that went away: Save fails, and New will not throw the text away.
    ASSERT_TRUE(QDir(folder.path()).mkdir("gone"));
    dialogs.queueSave(path("gone/c.txt"));
    saveAs();
    ASSERT_EQ(window->TextFileTitle, "c.txt");
    ASSERT_TRUE(QDir(path("gone")).removeRecursively());
    QTest::keyClicks(&box(), "#");
    tool(3);
    EXPECT_EQ(panel(1), "Warning: File not saved.");
    EXPECT_EQ(window->TextChanged, 1);
    messages.queueAnswer(MsgAnswer::Yes);
    messages.queueAnswer(MsgAnswer::Ok);
    tool(1);
    EXPECT_EQ(messages.last().title, "Ooops!");
    EXPECT_TRUE(box().Text().contains("#"));
    EXPECT_EQ(window->TextFilePath, path("gone/c.txt"));

    // The game-file open dialog, shared with the document, shows nothing of the document's.
    dialogs.queueCancel(Kind::Open);
    window->mnuOpen->trigger();
    EXPECT_EQ(dialogs.last().filter, "Brelkin game file (*.gam)|*.gam");
    EXPECT_EQ(dialogs.last().title, "");
    EXPECT_EQ(dialogs.last().fileName, "");
    EXPECT_EQ(dialogs.last().defaultExt, "");
    expectNoPendingAnswers();
}

TEST_F(DocumentCommands, OpenSurvivesFilesThatAreNotRtfOrAreGone) {
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary.append(static_cast<char>(i * 7 % 256));
    }
    QByteArray big;
    for (int i = 0; big.size() < 4 * 1024 * 1024; ++i) {
        big.append(
            QStringLiteral("Button %1 fires the guns of the current mode.\r\n").arg(i).toLatin1());
    }
    struct Row {
        const char* name;
        QByteArray bytes; // null: the file is gone by the time it is read
        const char* startsWith;
        bool plain; // loads as plain text
        bool folder = false;
        const char* why = nullptr; // the reason given for a file that cannot be read
    };
    const Row rows[] = {
        {"plain.rtf", "not rtf at all\r\nline 2", "not rtf at all\r\nline 2", true},
        {"broken.rtf", "{\\rtf1{\\b half a doc", "half a doc", false},
        {"binary.bin", binary, nullptr, true},
        {"big.txt", big, "Button 0 fires", true},
        {"gone.rtf", QByteArray(), nullptr, false, false, "It may have been moved or deleted."},
        {"folder.txt", QByteArray(), nullptr, false, true, "The system says: It is a folder."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        restart();
        QTest::keyClicks(&box(), "mine");
        select(0, 4);
        box().setSelBold(true);
        box().setSelAlignment(2);
        const bool gone = row.bytes.isNull();
        ASSERT_TRUE(!row.folder || QDir().mkdir(path(row.name)));
        if (!gone) {
            write(row.name, row.bytes);
        }
        messages.queueAnswer(MsgAnswer::No);
        dialogs.queueOpen(path(row.name));
        if (gone) {
            messages.queueAnswer(MsgAnswer::Ok);
        }
        QElapsedTimer clock;
        clock.start();
        tool(2);
        EXPECT_LT(clock.elapsed(), 20000);
        if (gone) {
            EXPECT_EQ(messages.last().title, "Ooops!");
            EXPECT_EQ(messages.last().style, MsgStyle::Exclamation);
            EXPECT_TRUE(messages.last().text.contains(row.why));
            EXPECT_EQ(panel(1), "Warning: File not opened.");
            EXPECT_EQ(box().Text(), "mine");
            EXPECT_EQ(window->TextChanged, 1);
            EXPECT_EQ(window->TextFileTitle, "Untitled.rtf");
            EXPECT_EQ(window->keyAssignmentTab->saveMenuItems[0]->text(), "Original");
            EXPECT_FALSE(QFile::exists(path("Tavrin.ini")));
        } else {
            EXPECT_EQ(panel(1), QString(row.name) + " was opened successfully");
            EXPECT_EQ(window->TextChanged, 0);
            EXPECT_EQ(window->TextFileTitle, row.name);
            if (row.startsWith != nullptr) {
                EXPECT_TRUE(box().Text().startsWith(row.startsWith))
                    << box().Text().left(40).toStdString();
            }
            if (row.plain) {
                // Plain text takes nothing from the formatting the caret had before.
                select(0, 3);
                EXPECT_EQ(box().SelBold(), false);
                EXPECT_EQ(box().SelAlignment(), 0);
            }
            startWindow(); // the settings name it, so the next start opens it again
            EXPECT_EQ(window->TextFileTitle, row.name);
        }
        expectNoPendingAnswers();
    }
}

TEST_F(DocumentCommands, CutCopyAndPasteOfRtfAndPlainText) {
    struct Row {
        const char* name;
        int button; // 7 cut, 8 copy
        const char* left;
    };
    const Row rows[] = {{"cut", 7, "Gear  now"}, {"copy", 8, "Gear up now"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        box().setText("Gear up now");
        select(0, 11);
        box().setSelBold(false);
        select(5, 2);
        tool(11);
        select(5, 2);
        tool(row.button);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->text(), "up");
        EXPECT_TRUE(data->data("text/rtf").startsWith("{\\rtf"));
        EXPECT_EQ(box().Text(), row.left);

        // RTF comes back with its formatting.
        box().setSelStart(box().TextLength());
        tool(9);
        EXPECT_TRUE(box().Text().endsWith("up"));
        select(box().TextLength() - 2, 2);
        EXPECT_EQ(box().SelBold(), true);
    }

    // Plain text goes in as the caret's formatting; with nothing selected, cut and copy leave
    // another program's clipboard alone, and an empty clipboard deletes nothing.
    box().setText("Flaps");
    select(0, 5);
    box().setSelBold(false);
    QApplication::clipboard()->setText("from elsewhere");
    box().setSelStart(0);
    tool(7);
    tool(8);
    EXPECT_EQ(QApplication::clipboard()->text(), "from elsewhere");
    tool(9);
    EXPECT_EQ(box().Text(), "from elsewhereFlaps");
    select(0, 4);
    EXPECT_EQ(box().SelBold(), false);
    QApplication::clipboard()->clear();
    select(0, 4);
    tool(9);
    EXPECT_EQ(box().Text(), "from elsewhereFlaps");
}

TEST_F(DocumentCommands, FormattingButtonsActOnTheSelectionOnly) {
    using Get = std::optional<bool> (RichTextBox::*)() const;
    struct Row {
        int button;
        Get get;
    };
    const Row rows[] = {{11, &RichTextBox::SelBold},
                        {12, &RichTextBox::SelItalic},
                        {13, &RichTextBox::SelUnderline},
                        {14, &RichTextBox::SelStrikeThru}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        box().setText("Gear up now");
        window->TextChanged = 0;
        select(5, 2);
        tool(row.button);
        EXPECT_EQ((box().*row.get)(), true);
        EXPECT_EQ(window->TextChanged, 1);
        select(0, 4);
        EXPECT_EQ((box().*row.get)(), false);
        select(5, 2);
        tool(row.button);
        EXPECT_EQ((box().*row.get)(), false);
    }

    const std::pair<int, int> alignments[] = {{17, 2}, {18, 1}, {16, 0}};
    box().setText("one\r\ntwo\r\nthree");
    for (const auto& [button, code] : alignments) {
        SCOPED_TRACE(button);
        select(1, 5); // the first two paragraphs
        tool(button);
        EXPECT_EQ(box().SelAlignment(), code);
        select(11, 1);
        EXPECT_EQ(box().SelAlignment(), 0);
    }
}

TEST_F(DocumentCommands, PrintingTellsTheUserWhatHappened) {
    struct Row {
        const char* name;
        const char* text;
        int printers;
        bool starts;
        std::size_t printersMade;
        const char* message;    // title of the box shown, if any
        const char* panelAfter; // null: as it was
    };
    const Row rows[] = {
        {"printed", "Gear up", 1, true, 1, nullptr, "Finished printing Untitled.rtf"},
        {"empty document", "", 1, true, 0, nullptr, nullptr},
        {"no printer", "Gear up", 0, true, 0, "No printer to print to", nullptr},
        {"job fails to start", "Gear up", 1, false, 1, nullptr,
         "Warning: Untitled.rtf was not printed."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        startWindow();
        printed.clear();
        messages.clear();
        printerCount = row.printers;
        printerStarts = row.starts;
        box().setText(row.text);
        if (row.message != nullptr) {
            messages.queueAnswer(MsgAnswer::Ok);
        }
        const QString before = panel(1);
        tool(5);
        EXPECT_EQ(printed.size(), row.printersMade);
        EXPECT_EQ(messages.count(), row.message != nullptr ? 1u : 0u);
        if (row.message != nullptr) {
            expectShown(messages.last(), row.message, MsgStyle::Exclamation,
                        "I couldn't detect a printer connected to your system. Please check your "
                        "printer settings.");
        }
        EXPECT_EQ(panel(1), row.panelAfter != nullptr ? QString(row.panelAfter) : before);
    }

    // The header: a blank line, the name and the date in bold, a blank line.
    printerCount = 1;
    printerStarts = true;
    startWindow();
    printed.clear();
    box().setText("Gear up");
    tool(5);
    ASSERT_EQ(printed.size(), 1u);
    std::vector<RecordingPrinter::Call> lines;
    for (const auto& call : printed[0]) {
        if (call.op == RecordingPrinter::Op::Print) {
            lines.push_back(call);
        }
    }
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "");
    EXPECT_EQ(lines[1].text, "Untitled.rtf");
    EXPECT_TRUE(lines[1].bold);
    EXPECT_TRUE(QRegularExpression("^Printed on: \\d\\d [A-Z][a-z]+ \\d{4}, \\d{1,2}:\\d\\d [ap]m$")
                    .match(lines[2].text)
                    .hasMatch())
        << lines[2].text.toStdString();
    EXPECT_TRUE(lines[2].bold);
    EXPECT_EQ(lines[3].text, "");
    EXPECT_FALSE(lines[3].bold);
    EXPECT_EQ(printed[0].back().op, RecordingPrinter::Op::EndDoc);
}

TEST_F(DocumentCommands, PrintedDocumentStandsAnInchFromTheEdgesOnEveryPage) {
    pdfPath = path("printed.pdf");
    QString text;
    for (int i = 1; i <= 150; ++i) {
        text += QStringLiteral("Line %1 of the key assignments for the flight sim\r\n").arg(i);
    }
    box().setText(text);
    tool(5);
    EXPECT_EQ(panel(1), "Finished printing Untitled.rtf");
    const auto pages = readPdfWords(pdfPath);
    ASSERT_GE(pages.size(), 2u);
    constexpr double Inch = 72.0;
    const PdfWord* title = pages[0].find("Untitled.rtf");
    ASSERT_NE(title, nullptr);
    EXPECT_LT(title->box.bottom(), Inch);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i + 1);
        QRectF body;
        for (const PdfWord& word : pages[i].words) {
            if (word.box.top() >= Inch - 3) {
                body = body.isNull() ? word.box : body.united(word.box);
            }
        }
        EXPECT_NEAR(body.left(), Inch, 2.0);
        EXPECT_NEAR(body.top(), Inch, 3.0);
        EXPECT_LE(body.right(), pages[i].width - Inch + 0.5);
        EXPECT_LE(body.bottom(), pages[i].height - Inch + 0.5);
    }
    EXPECT_NE(pages.back().find("150"), nullptr);
    EXPECT_TRUE(runTool("pdffonts", {pdfPath}).contains("Bold"));
}

TEST(KeyAssignmentDocumentRules, FormatByNameAndPrintedDate) {
    const std::pair<const char*, bool> names[] = {
        {"a.rtf", true},  {"a.RtF", true}, {"rtf", true}, {"a.txt", false},
        {"a.ini", false}, {"a", false},    {"", false},   {"a.rtf.txt", false}};
    for (const auto& [name, rtf] : names) {
        EXPECT_EQ(KeyAssignmentDocument::savesAsRtf(name), rtf) << name;
    }
    const std::pair<QDateTime, const char*> dates[] = {
        {QDateTime(QDate(2026, 12, 8), QTime(0, 5)), "08 December 2026, 12:05 am"},
        {QDateTime(QDate(2024, 3, 5), QTime(12, 0)), "05 March 2024, 12:00 pm"},
        {QDateTime(QDate(2024, 7, 31), QTime(9, 7)), "31 July 2024, 9:07 am"},
        {QDateTime(QDate(2025, 1, 1), QTime(23, 59)), "01 January 2025, 11:59 pm"},
    };
    for (const auto& [when, text] : dates) {
        EXPECT_EQ(KeyAssignmentDocument::printedOn(when), text);
    }
}

TEST_F(DocumentCommands, ToolbarButtonsAnswerTheKeyboard) {
    // Brought forward, the document takes the keyboard and keeps it after buttons and clicks.
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    find<QWidget>("Grid1")->setFocus();
    window->SSTab1->setCurrentIndex(2);
    EXPECT_EQ(QApplication::focusWidget(), &box());
    find<QWidget>("Toolbar1_11")->setFocus();
    QTest::keyClick(find<QWidget>("Toolbar1_11"), Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), &box());
    QTest::mouseClick(window->keyAssignmentTab, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(QApplication::focusWidget(), &box());
    auto* newFile = find<QWidget>("Toolbar1_1");
    EXPECT_TRUE(newFile->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(newFile, Qt::Key_Space);
    EXPECT_EQ(panel(1), "New text file created");
}

} // namespace
