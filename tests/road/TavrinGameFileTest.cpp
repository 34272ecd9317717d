#include "card_editor/card/GameCaptions.h"
#include "common/platform/FileSystem.h"
#include "common/platform/TextFile.h"
#include "programmer/gamedata/GameData.h"
#include "tests/support/SilentDoubles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A game file written by Tavrin's own game-data code is read by Quillet's caption reader:
// every description lands under its printed button number in its mode.
TEST(TavrinGameFile, EveryDescriptionReachesItsButtonAndMode) {
    QTemporaryDir folder;
    SilentView view;
    SilentMessageBox messageBox;
    GameData data(view, messageBox);
    data.ProgramFolder = folder.path();
    data.GameName = QString::fromUtf8("Röad Game");
    for (int m = 1; m <= 5; ++m) {
        for (int r = 1; r <= 28; ++r) {
            if ((m + r) % 4 == 0) {
                continue; // some records stay unprogrammed
            }
            data.Record(m, r)->Description =
                QStringLiteral("M%1 rec %2 btn %3").arg(m).arg(r).arg(data.RowOfRecord(r));
        }
    }
    data.Record(1, 5)->Description = "Sixteen chars ok"; // the longest Tavrin takes
    data.Record(2, 6)->Description = "Trailing blank ";
    data.Record(3, 7)->Description = "Costs $5"; // a "$" in the text: Quillet leaves it out
    data.SavePath = FileSystem::joinPath(folder.path(), "road.gam");
    data.SaveTitle = "road.gam";
    ASSERT_TRUE(data.SaveGAMfile());

    const std::optional<QStringList> lines = TextFile::readLines(data.SavePath);
    ASSERT_TRUE(lines.has_value());
    ButtonCaptions captions;
    EXPECT_EQ(GameCaptions::readLines(*lines, captions), data.GameName);
    for (int m = 1; m <= 5; ++m) {
        for (int r = 1; r <= 28; ++r) {
            const QString& description = data.Record(m, r)->Description;
            const QString expected = description.contains('$') ? QString() : description;
            EXPECT_EQ(captions.at(m - 1, data.RowOfRecord(r)), expected)
                << "mode " << m << " record " << r;
        }
    }
}

} // namespace
