#include "card_editor/card/BoxGeometry.h"
#include "card_editor/card/LeadingNumber.h"
#include "card_editor/card/SnapSettings.h"
#include "common/platform/FileSystem.h"
#include "common/platform/TextFile.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using BoxGeometry::resizedToGrid;
using BoxGeometry::snapped;

TEST(BoxGeometry, SnapAndResizeToTheGrid) {
    struct Case {
        BoxRect box;
        int step;
        std::optional<BoxRect> snap;
        std::optional<BoxRect> resize;
    };
    const Case cases[] = {
        {{23, 47, 100, 33}, 5, BoxRect{20, 45, 100, 33}, BoxRect{20, 45, 105, 35}},
        // On the grid already: the corner stays, each size grows by one cell.
        {{20, 45, 100, 35}, 5, BoxRect{20, 45, 100, 35}, BoxRect{20, 45, 105, 40}},
        // Off the card to the left and top: down to the next line, not towards 0.
        {{-3, -10, 41, 21}, 5, BoxRect{-5, -10, 41, 21}, BoxRect{-5, -10, 45, 25}},
        {{7, 7, 7, 7}, 100, BoxRect{0, 0, 7, 7}, BoxRect{0, 0, 100, 100}},
        // Results the layout files could not hold are refused.
        {{-32767, 0, 10, 10}, 5, std::nullopt, std::nullopt},
        {{0, 0, 32767, 10}, 5, BoxRect{0, 0, 32767, 10}, std::nullopt},
        {{0, 0, 10, 32766}, 2, BoxRect{0, 0, 10, 32766}, std::nullopt},
        // No step to work with.
        {{23, 47, 100, 33}, 0, std::nullopt, std::nullopt},
        {{23, 47, 100, 33}, -5, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(snapped(c.box, c.step), c.snap) << c.box.left << " step " << c.step;
        EXPECT_EQ(resizedToGrid(c.box, c.step), c.resize) << c.box.left << " step " << c.step;
    }
}

TEST(BoxGeometry, DraggedSizesKeepTheMinimumAndTheLayoutRange) {
    const std::tuple<long long, int, std::optional<int>> cases[] = {
        {40, 40, std::nullopt},    {41, 40, 41},
        {20, 20, std::nullopt},    {21, 20, 21},
        {-500, 40, std::nullopt},  {32767, 40, 32767},
        {32768, 40, std::nullopt}, {5000000000LL, 20, std::nullopt},
    };
    for (const auto& [size, minimum, expected] : cases) {
        EXPECT_EQ(BoxGeometry::draggedSize(size, minimum), expected) << size;
    }
    EXPECT_TRUE(BoxGeometry::fitsLayout({-32768, 32767, 0, 32767}));
    EXPECT_FALSE(BoxGeometry::fitsLayout({-32769, 0, 1, 1}));
    EXPECT_FALSE(BoxGeometry::fitsLayout({0, 0, -1, 1}));
    EXPECT_EQ(BoxGeometry::wholePixels(-0.5), -1);
    EXPECT_EQ(BoxGeometry::wholePixels(7.9), 7);
    EXPECT_EQ(BoxGeometry::wholePixels(1e30), 1000000000);
    EXPECT_EQ(BoxGeometry::wholePixels(std::nan("")), -1000000000);
}

TEST(BoxGeometry, GridLinesCoverTheCardAndAnyPartOfIt) {
    EXPECT_EQ(BoxGeometry::gridLines(12, 5), (std::vector<int>{0, 5, 10}));
    EXPECT_EQ(BoxGeometry::gridLines(10, 5), (std::vector<int>{0, 5, 10}));
    EXPECT_EQ(BoxGeometry::gridLines(100, 5, 6, 21), (std::vector<int>{10, 15, 20}));
    EXPECT_EQ(BoxGeometry::gridLines(100, 5, 5, 5), (std::vector<int>{5}));
    EXPECT_TRUE(BoxGeometry::gridLines(100, 0).empty());
    EXPECT_EQ(BoxGeometry::gridLines(712, 1).size(), 713u);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAField) {
    const std::pair<const char*, std::optional<qint16>> cases[] = {
        {"5", 5},
        {"  12abc", 12},
        {"7.9", 7},
        {"-3", -3},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {".5", 0},
        {"-0.5", -1},
        {"1 5", 15},
        {"1e2", 100},
        {"2d1x", 20},
        {"3e", 3},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"40000", std::nullopt},
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {"1e-400", 0},
        {"99999999999999999999999", std::nullopt},
        {"+8", 8},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(LeadingNumber::wholeNumber(QString::fromLatin1(text)), expected) << text;
    }
}

TEST(SnapSettings, ReadsDefaultsClampsADamagedStepAndWritesBothKeys) {
    QTemporaryDir dir;
    const QString ini = FileSystem::joinPath(dir.path(), "Quillet.ini");
    SnapSettings s = SnapSettings::load(ini);
    EXPECT_EQ(s.SnapMode, 2);
    EXPECT_EQ(s.GridCellSize, 5);

    const std::pair<const char*, int> steps[] = {{"1", 5},          {"0", 5},     {"-7", 5},
                                                 {"2", 2},          {"100", 100}, {"101", 100},
                                                 {"99999999", 100}, {"junk", 5}};
    for (const auto& [stored, expected] : steps) {
        ASSERT_TRUE(TextFile::writeLines(
            ini, {"[Snap stuff]", "SnapMode=7", QStringLiteral("GridCellSize=") + stored}));
        s = SnapSettings::load(ini);
        EXPECT_EQ(s.GridCellSize, expected) << stored;
        EXPECT_EQ(s.SnapMode, 7);
    }

    s.SnapMode = 0;
    s.GridCellSize = 12;
    ASSERT_TRUE(s.save(ini));
    EXPECT_EQ(TextFile::readLines(ini),
              (QStringList{"[Snap stuff]", "SnapMode=0", "GridCellSize=12"}));
}

} // namespace
