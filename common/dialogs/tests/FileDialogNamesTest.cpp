#include "common/dialogs/FileDialogNames.h"
#include "common/dialogs/ColorRef.h"

#include <gtest/gtest.h>

namespace {

TEST(FileDialogNames, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(qtNameFilter("Brelkin game file (*.gam)|*.gam"), "Brelkin game file (*.gam) (*.gam)");
    EXPECT_EQ(qtNameFilter("Rich Text Files (*.rtf)|*.rtf|Text files (*.txt)|*.txt|Ini files "
                           "(*.ini)|*.ini|All files (*.*)|*.*"),
              "Rich Text Files (*.rtf) (*.rtf);;Text files (*.txt) (*.txt);;Ini files (*.ini) "
              "(*.ini);;All files (*.*) (*)");
    // Several patterns for one description.
    EXPECT_EQ(qtNameFilter("Pictures|*.bmp;*.jpg; *.gif"), "Pictures (*.bmp *.jpg *.gif)");
    EXPECT_EQ(qtNameFilter("Bitmaps (*.bmp)|*.bmp"), "Bitmaps (*.bmp) (*.bmp)");
}

TEST(FileDialogNames, IncompleteFiltersLeaveOutWhatHasNoPattern) {
    EXPECT_EQ(qtNameFilter(""), "");
    EXPECT_EQ(qtNameFilter("Only a description"), "");
    EXPECT_EQ(qtNameFilter("Games|*.gam|Dangling"), "Games (*.gam)");
    EXPECT_EQ(qtNameFilter("Empty||Games|*.gam"), "Games (*.gam)");
    EXPECT_EQ(qtNameFilter("Games|*.gam|"), "Games (*.gam)");
}

TEST(FileDialogNames, DefaultExtensionOnlyForNamesWithoutOne) {
    EXPECT_EQ(withDefaultExtension("/home/me/game", "gam"), "/home/me/game.gam");
    EXPECT_EQ(withDefaultExtension("/home/me/game", ".rtf"), "/home/me/game.rtf");
    EXPECT_EQ(withDefaultExtension("/home/me/game.txt", "gam"), "/home/me/game.txt");
    // A dot in a folder name is not the file's extension.
    EXPECT_EQ(withDefaultExtension("/home/my.files/notes", "rtf"), "/home/my.files/notes.rtf");
    EXPECT_EQ(withDefaultExtension("/home/me/game", ""), "/home/me/game");
    EXPECT_EQ(withDefaultExtension("", "gam"), "");
    EXPECT_EQ(withDefaultExtension("/home/me/", "gam"), "/home/me/");
}

TEST(FileDialogNames, ColourValuesAreBlueGreenRed) {
    EXPECT_EQ(refFromColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(colorFromRef(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(colorFromRef(refFromColor(Qt::red)), QColor(Qt::red));
}

} // namespace
