#include "programmer/gamedata/GameFile.h"
#include "programmer/gamedata/KeyText.h"
#include "programmer/gamedata/tests/GameFileFixture.h"

#include "common/platform/MessageBox.h"
#include "tests/support/ScriptedCommonDialog.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class GameFileReadTest : public GameFileFixture {
protected:
    GameFileReadTest() {
        data.ReadIniSettings();
        data.SetupNewFile();
    }

    // Opens the file name holds, as start-up reopens the last file: no dialog.
    void Reopen(const QString& name) {
        data.Settings.LastGamPath = path(name);
        data.Settings.LastGamName = name;
        data.ReopenLastGamFile = 1;
        view.calls.clear();
        ASSERT_TRUE(data.OpenGamFile(dialog));
        EXPECT_EQ(data.ReopenLastGamFile, 0);
    }

    // Writes the lines with CR LF, then opens them.
    void Open(const QByteArray& name, const QList<QByteArray>& lines) {
        QByteArray bytes;
        for (const QByteArray& line : lines) {
            bytes += line + "\r\n";
        }
        ASSERT_TRUE(writeBytes(path(name), bytes));
        Reopen(name);
    }

    // A blank file's 286 lines, to be edited by a test.
    static QList<QByteArray> BlankLines() {
        QList<QByteArray> lines{"Blank"};
        for (int n = 0; n < 140; ++n) {
            lines.append(QByteArray("$FF ").repeated(14));
        }
        for (int n = 0; n < 140; ++n) {
            lines.append(QByteArray("$00 ").repeated(14));
        }
        for (int n = 0; n < 5; ++n) {
            lines.append(QByteArray("$00 ").repeated(28));
        }
        return lines;
    }

    // Gives every record of every mode a distinct, consistent programming: presses alternate
    // between SHF a (two bytes) and f (one byte); every third record has no description.
    void ProgramEverything() {
        for (int m = 1; m <= 5; ++m) {
            for (int r = 1; r <= 28; ++r) {
                ButtonRecord& record = *data.Record(m, r);
                const int presses = (m + r) % 8;
                record.NumKeyPresses = static_cast<qint16>(presses);
                int j = 1;
                for (int k = 1; k <= presses; ++k) {
                    record.setKeyPressLen(k, k % 2 == 1 ? 11 : 1);
                    if (k % 2 == 1) {
                        record.setKeyCodeByte(j++, "12");
                        record.setKeyCodeByte(j++, "1C");
                    } else {
                        record.setKeyCodeByte(j++, "2B");
                    }
                }
                if (r % 3 != 0) {
                    record.Description = QString("Zo\u00e9 \u20ac\u017e %1.%2 $").arg(m).arg(r);
                }
            }
        }
    }

    ScriptedCommonDialog dialog;
};

TEST_F(GameFileReadTest, RoundTripKeepsEveryFieldOfEveryRecordAndEveryByte) {
    ProgramEverything();
    data.GameName = "Caf\u00e9 Racer";
    data.SavePath = path("All.gam");
    data.SaveTitle = "All.gam";
    ASSERT_TRUE(data.SaveGAMfile());
    const QByteArray saved = bytesOf(path("All.gam"));
    EXPECT_TRUE(saved.contains("$03 $1C $0D Zo\xE9 \x80\x9E 3.28 $\r\n"));

    std::vector<ButtonRecord> before;
    for (int m = 1; m <= 5; ++m) {
        for (const ButtonRecord& r : *data.ModeArray(m)) {
            before.push_back(r);
        }
    }
    data.SetupNewFile();
    Reopen("All.gam");
    EXPECT_EQ(data.GameName, "Caf\u00e9 Racer");
    std::size_t i = 0;
    for (int m = 1; m <= 5; ++m) {
        for (int r = 1; r <= 28; ++r) {
            ButtonRecord expected = before[i++];
            expected.KeyText = KeyTextOf(expected, box);
            EXPECT_EQ(*data.Record(m, r), expected) << "mode " << m << " record " << r;
        }
    }
    EXPECT_EQ(data.Record(1, 2)->KeyText, "SHF a f SHF a");
    EXPECT_EQ(box.count(), 0u);

    data.SavePath = path("Again.gam");
    data.SaveTitle = "Again.gam";
    ASSERT_TRUE(data.SaveGAMfile());
    EXPECT_EQ(bytesOf(path("Again.gam")), saved);
}

TEST_F(GameFileReadTest, OpenRefreshesStateStatusAndViewsInOrder) {
    data.TableViewMode = 2;
    data.TempButton.at(1)->Description = "editing";
    ASSERT_TRUE(writeBytes(path("Doom.gam"), "Doom\r\n"));
    data.UpdateSavedStatus(GameData::Modified);
    data.FileLoaded = 0;
    Reopen("Doom.gam");
    EXPECT_EQ(view.calls,
              (QStringList{"panel 1: Opening Brelkin game file",
                           "panel 1:  Extracting definitions from Doom.gam ....", "panel 1:  Ready",
                           "panel 2: Saved", "panel 3: Doom.gam", "panel 2: Saved",
                           "panel 3: Doom.gam", "InfoLabels 1", "DisplaySetup 1", "ResetTable 1",
                           "LblMODE_Click 0", "FillTable 2"}));
    EXPECT_EQ(data.SavedStatus, GameData::SavedFile);
    EXPECT_EQ(data.FileLoaded, 1);
    EXPECT_EQ(data.CurrentFilePath, path("Doom.gam"));
    EXPECT_EQ(data.CurrentFileTitle, "Doom.gam");
    EXPECT_EQ(data.TempButton(1).Description, "editing"); // the edit record is not touched
}

TEST_F(GameFileReadTest, FieldsReadInEitherCaseFromTheirColumns) {
    QList<QByteArray> lines = BlankLines();
    lines[0] = "  Quake  II ";
    lines[1 + 28 * 4 + 28 - 1] = "$e0 $1c $$$ $F";      // mode 5 record 28, short line
    lines[141 + 28 + 2 - 1] = "$0b $2A $1g $g1 $ff $8"; // mode 2 record 2
    lines[281 + 3 - 1] = QByteArray("$00 ").repeated(27) + "$0e ";
    Open("Case.gam", lines);
    EXPECT_EQ(data.GameName, "  Quake  II ");
    const ButtonRecord& codes = *data.Record(5, 28);
    EXPECT_EQ(codes.KeyCodeByte(1), "e0"); // code bytes are taken as they stand
    EXPECT_EQ(codes.KeyCodeByte(2), "1c");
    EXPECT_EQ(codes.KeyCodeByte(3), "$$");
    EXPECT_EQ(codes.KeyCodeByte(4), "F ");
    EXPECT_EQ(codes.KeyCodeByte(5), "  ");
    EXPECT_EQ(codes.KeyCodeByte(14), "  ");
    const ButtonRecord& lengths = *data.Record(2, 2);
    const int expected[] = {11, 42, 1, 0, 255, 8, 0};
    for (int j = 1; j <= 7; ++j) {
        EXPECT_EQ(lengths.KeyPressLen(j), expected[j - 1]) << "press " << j;
    }
    EXPECT_EQ(data.Record(3, 28)->NumKeyPresses, 14);
    EXPECT_EQ(data.Record(3, 27)->NumKeyPresses, 0);
}

TEST_F(GameFileReadTest, DescriptionLinesFollowTheirTagsRecordsAndCounts) {
    QList<QByteArray> lines = BlankLines();
    lines << "$01 $01 $04 Fire"
          << "$01 $1c $03 Hello" // count 3: the last three characters
          << "$02 $01 $FF short" // count beyond the line: the whole line
          << "$03 $05 $04 one"
          << "$03 $05 $04 two$" // the later line wins
          << "$06 $01 $04 Nope"
          << ""
          << "$0 $01 $04 Nope"
          << "$1 $01 $04 Nope"
          << "$04 $00 $04 Nope"
          << "$04 $1D $04 Nope"
          << "$04 $zz $04 Nope"
          << "$05 $02 $00 Gone"
          << "$05 $03 $0B \xC0 l'\xE9t\xE9 \x80\x80\x80";
    Open("Desc.gam", lines);
    EXPECT_EQ(data.Record(1, 1)->Description, "Fire");
    EXPECT_EQ(data.Record(1, 28)->Description, "llo");
    EXPECT_EQ(data.Record(2, 1)->Description, "$02 $01 $FF short");
    EXPECT_EQ(data.Record(3, 5)->Description, "two$");
    EXPECT_EQ(data.Record(5, 2)->Description, "");
    EXPECT_EQ(data.Record(5, 3)->Description, "\u00c0 l'\u00e9t\u00e9 \u20ac\u20ac\u20ac");
    int programmed = 0;
    for (int m = 1; m <= 5; ++m) {
        for (const ButtonRecord& r : *data.ModeArray(m)) {
            programmed += r.Description.isEmpty() ? 0 : 1;
        }
    }
    EXPECT_EQ(programmed, 5);
}

TEST_F(GameFileReadTest, DescriptionLinesOnlyCountAfterLine286) {
    QList<QByteArray> lines = BlankLines();
    lines[5] = "$01 $01 $04 Fire"; // a code-byte line, even if it looks like a description
    Open("Early.gam", lines);
    EXPECT_EQ(data.Record(1, 1)->Description, "");
    EXPECT_EQ(data.Record(1, 5)->KeyCodeByte(1), "01");
}

TEST_F(GameFileReadTest, TruncatedFileLeavesTheMissingRecordsBlank) {
    ProgramEverything();
    data.SavePath = path("Full.gam");
    data.SaveTitle = "Full.gam";
    data.GameName = "Full";
    ASSERT_TRUE(data.SaveGAMfile());
    const QByteArray full = bytesOf(path("Full.gam"));
    const ButtonRecord blank;
    // Cut in the middle of line 31, the code bytes of mode 2 record 2.
    qsizetype cut = 0;
    for (int n = 0; n < 30; ++n) {
        cut = full.indexOf('\n', cut) + 1;
    }
    ASSERT_TRUE(writeBytes(path("Cut.gam"), full.left(cut + 9)));
    Reopen("Cut.gam");
    EXPECT_EQ(data.GameName, "Full");
    EXPECT_EQ(data.Record(2, 1)->KeyCodeByte(3), "2B"); // line 30 read whole
    EXPECT_EQ(data.Record(2, 2)->KeyCodeByte(2), "1C"); // line 31 as far as it goes
    EXPECT_EQ(data.Record(2, 2)->KeyCodeByte(3), "  ");
    EXPECT_EQ(data.Record(2, 3)->KeyCodeByte(1), "FF");
    for (int m = 1; m <= 5; ++m) {
        for (const ButtonRecord& r : *data.ModeArray(m)) {
            EXPECT_EQ(r.NumKeyPresses, 0);
            EXPECT_EQ(r.Description, "");
            EXPECT_EQ(r.KeyPressLen(1), 0);
        }
    }
    EXPECT_EQ(*data.Record(4, 10), blank);
    EXPECT_EQ(data.SavedStatus, GameData::SavedFile);
}

TEST_F(GameFileReadTest, EmptyOrBinaryFilesOpenBlank) {
    ProgramEverything();
    data.GameName = "Kept";
    ASSERT_TRUE(writeBytes(path("Empty.gam"), ""));
    Reopen("Empty.gam");
    EXPECT_EQ(data.GameName, "Kept"); // no first line read
    const ButtonRecord blank;
    for (int m = 1; m <= 5; ++m) {
        for (const ButtonRecord& r : *data.ModeArray(m)) {
            EXPECT_EQ(r, blank);
        }
    }
    EXPECT_EQ(view.panels[2], "Saved");
    EXPECT_EQ(view.panels[3], "Empty.gam");

    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 37) % 256);
    }
    binary += QByteArray(1 << 20, '$');
    ASSERT_TRUE(writeBytes(path("Binary.gam"), binary));
    box.queueAnswer(MsgAnswer::Ok); // key texts that do not add up are reported once
    Reopen("Binary.gam");
    EXPECT_EQ(data.SavedStatus, GameData::SavedFile);
    EXPECT_LE(box.count(), 1u);
}

TEST_F(GameFileReadTest, MismatchedLengthCodeIsReportedAndReadingGoesOn) {
    QList<QByteArray> lines = BlankLines();
    lines[1] = "$1C $1B " + QByteArray("$FF ").repeated(12); // mode 1 record 1
    lines[142 - 1] = "$01 " + QByteArray("$00 ").repeated(13);
    lines[142 + 1 - 1] = "$63 " + QByteArray("$00 ").repeated(13); // record 2: 18 bytes
    lines[142 + 2 - 1] = "$58 " + QByteArray("$00 ").repeated(13); // record 3: 16 bytes
    lines[282 - 1] = "$01 $01 $01 " + QByteArray("$00 ").repeated(25);
    lines << "$01 $02 $04 Jump";
    box.queueAnswer(MsgAnswer::Ok);
    Open("Odd.gam", lines);
    EXPECT_EQ(data.Record(1, 1)->KeyText, "a");
    EXPECT_EQ(data.Record(1, 2)->KeyText, "error");
    EXPECT_EQ(data.Record(1, 3)->KeyText, "error");
    ASSERT_EQ(box.count(), 1u); // one box for the whole file, not one per press
    EXPECT_EQ(box.last().title, "Error here Morwen");
    EXPECT_EQ(data.Record(1, 2)->Description, "Jump");
}

class GameFileOpenDialogTest : public GameFileReadTest {};

TEST_F(GameFileOpenDialogTest, DialogStartsInTheLastFolderAndRemembersTheChoice) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("games"));
    ASSERT_TRUE(writeBytes(path("games/Hexen.gam"), "Hexen\r\n"));
    data.Settings.Lastfolder = path("games") + "/";
    data.Settings.AlwaysChorded = 0;
    dialog.DialogTitle = "Save file as ...";
    dialog.queueOpen(path("games/Hexen.gam"));
    ASSERT_TRUE(data.OpenGamFile(dialog));
    ASSERT_EQ(dialog.count(), 1u);
    EXPECT_EQ(dialog.last().title, "");
    EXPECT_EQ(dialog.last().filter, "Brelkin game file (*.gam)|*.gam");
    EXPECT_EQ(dialog.last().initDir, path("games") + "/");
    EXPECT_EQ(data.CurrentFilePath, path("games/Hexen.gam"));
    EXPECT_EQ(data.CurrentFileTitle, "Hexen.gam");
    EXPECT_EQ(data.GameName, "Hexen");

    data.Settings = ProgrammerSettings{};
    data.ReadIniSettings();
    EXPECT_EQ(data.Settings.Lastfolder, path("games") + "/");
    EXPECT_EQ(data.Settings.LastGamPath, path("games/Hexen.gam"));
    EXPECT_EQ(data.Settings.LastGamName, "Hexen.gam");
    EXPECT_EQ(data.Settings.AlwaysChorded, 0);
}

TEST_F(GameFileOpenDialogTest, MissingLastFolderLeavesTheInitialFolderAlone) {
    data.Settings.Lastfolder = path("gone") + "/";
    dialog.InitDir = "/previous";
    ASSERT_TRUE(writeBytes(path("New.gam"), "New\r\n"));
    dialog.queueOpen(path("New.gam"));
    ASSERT_TRUE(data.OpenGamFile(dialog));
    EXPECT_EQ(dialog.last().initDir, "/previous");
    data.ReadIniSettings();
    EXPECT_EQ(data.Settings.LastGamPath, path("New.gam"));
}

TEST_F(GameFileOpenDialogTest, CancelChangesNothing) {
    ProgramEverything();
    data.GameName = "Mine";
    data.UpdateSavedStatus(GameData::Modified);
    view.calls.clear();
    dialog.queueCancel(ScriptedCommonDialog::Kind::Open);
    EXPECT_FALSE(data.OpenGamFile(dialog));
    EXPECT_EQ(view.calls,
              (QStringList{"panel 1: Opening Brelkin game file", "panel 1: Welcome to Tavrin"}));
    EXPECT_EQ(data.GameName, "Mine");
    EXPECT_EQ(data.Record(1, 1)->Description, "Zo\u00e9 \u20ac\u017e 1.1 $");
    EXPECT_EQ(data.SavedStatus, GameData::Modified);
    EXPECT_EQ(data.CurrentFileTitle, "Untitled.gam");
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST(GameFileFormat, HexFieldsAndGroups) {
    EXPECT_EQ(GameFile::HH(0), "00");
    EXPECT_EQ(GameFile::HH(11), "0B");
    EXPECT_EQ(GameFile::HH(28), "1C");
    EXPECT_EQ(GameFile::HH(255), "FF");
    EXPECT_EQ(GameFile::HH(300), "FF"); // a line keeps its columns
    EXPECT_EQ(GameFile::HH(-1), "00");
    EXPECT_EQ(GameFile::HexValue(u"1c"), 28);
    EXPECT_EQ(GameFile::HexValue(u"1C"), 28);
    EXPECT_EQ(GameFile::HexValue(u"c "), 12);
    EXPECT_EQ(GameFile::HexValue(u" c"), 0);
    EXPECT_EQ(GameFile::HexValue(u"-1"), 0);
    EXPECT_EQ(GameFile::HexValue(u""), 0);
    EXPECT_GT(GameFile::HexValue(u"FFFFFFFFFFFFFFFFFFFF"), 0); // no overflow
    EXPECT_EQ(GameFile::GroupField(u"$AB $C", 1), "AB");
    EXPECT_EQ(GameFile::GroupField(u"$AB $C", 2), "C ");
    EXPECT_EQ(GameFile::GroupField(u"$AB $C", 3), "  ");
    // Fields keep their characters as written, whatever their case or validity.
    const std::pair<const char*, const char*> fields[] = {
        {"$00 ", "00"}, {"$0f ", "0f"}, {"$9A ", "9A"}, {"$G1 ", "G1"},
        {"$ A ", " A"}, {"$F", "F "},   {"$FF ", "FF"}, {"$A\xC3\xA9 ", "A\u00e9"},
    };
    for (const auto& [line, field] : fields) {
        EXPECT_EQ(GameFile::GroupField(QString::fromUtf8(line), 1), QString::fromUtf8(field))
            << line;
    }
}

} // namespace
