#include "tests/support/ScriptedCommonDialog.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedCommonDialog::Kind;

TEST(ScriptedCommonDialog, PlaysBackAnswersAndRecordsWhatWasSet) {
    ScriptedCommonDialog dialog;
    dialog.queueSave("/tmp/games/flight");
    dialog.queueCancel(Kind::Open);
    dialog.queueFont({"Liberation Serif", 12.5, true, false, true});
    dialog.queueColor(0x0000FF);

    dialog.Filter = "Brelkin game file (*.gam)|*.gam";
    dialog.InitDir = "/tmp/games";
    dialog.DefaultExt = "gam";
    dialog.DialogTitle = "Save game";
    EXPECT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName, "/tmp/games/flight.gam");
    EXPECT_EQ(dialog.FileTitle, "flight.gam");

    // A cancel leaves the previous result alone.
    dialog.FileName = "preset.gam";
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName, "preset.gam");
    EXPECT_EQ(dialog.FileTitle, "flight.gam");

    dialog.Flags = 259;
    dialog.FontName = "Arial";
    EXPECT_TRUE(dialog.ShowFont());
    EXPECT_EQ(dialog.FontName, "Liberation Serif");
    EXPECT_DOUBLE_EQ(dialog.FontSize, 12.5);
    EXPECT_TRUE(dialog.FontBold);
    EXPECT_FALSE(dialog.FontItalic);
    EXPECT_TRUE(dialog.FontUnderline);

    dialog.Flags = 1;
    EXPECT_TRUE(dialog.ShowColor());
    EXPECT_EQ(dialog.Color, 0x0000FF);

    ASSERT_EQ(dialog.count(), 4u);
    const auto& save = dialog.shown()[0];
    EXPECT_EQ(save.kind, Kind::Save);
    EXPECT_EQ(save.title, "Save game");
    EXPECT_EQ(save.filter, "Brelkin game file (*.gam)|*.gam");
    EXPECT_EQ(save.initDir, "/tmp/games");
    EXPECT_EQ(save.fileName, "");
    EXPECT_EQ(dialog.shown()[1].fileName, "preset.gam");
    EXPECT_EQ(dialog.shown()[2].fontName, "Arial");
    EXPECT_EQ(dialog.shown()[2].flags, 259);
    EXPECT_EQ(dialog.last().kind, Kind::Color);
    EXPECT_EQ(dialog.pendingAnswers(), 0u);
}

TEST(ScriptedCommonDialog, UnplannedDialogsFailTheTest) {
    ScriptedCommonDialog dialog;
    dialog.Color = 0x123456;
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(dialog.ShowColor()), "Unexpected colour dialog");
    EXPECT_EQ(dialog.Color, 0x123456);

    dialog.queueFolder("/tmp");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(dialog.ShowOpen()), "where a folder dialog");
    EXPECT_EQ(dialog.count(), 2u);
}

TEST(ScriptedCommonDialog, FolderChoiceAndItsCancel) {
    ScriptedCommonDialog dialog;
    dialog.queueFolder("/tmp/templates");
    dialog.queueCancel(Kind::Folder);
    dialog.DialogTitle = "Select the directory to save templates in";
    EXPECT_TRUE(dialog.ShowFolder());
    EXPECT_EQ(dialog.FolderName, "/tmp/templates");
    EXPECT_FALSE(dialog.ShowFolder());
    EXPECT_EQ(dialog.FolderName, "/tmp/templates");
    EXPECT_EQ(dialog.shown()[0].title, "Select the directory to save templates in");
}

} // namespace
