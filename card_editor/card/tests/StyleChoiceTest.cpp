#include "card_editor/card/StyleChoice.h"
#include "card_editor/card/CardDocument.h"

#include <gtest/gtest.h>

namespace {

TEST(StyleChoiceTest, SampleNamesTheFontAndEachEffectInOrder) {
    struct Case {
        qint16 bold, italic, underline;
        const char* sample;
    };
    const Case cases[] = {
        {0, 0, 0, "Arial, 10"},
        {-1, 0, 0, "Arial, 10, Bold"},
        {-1, -1, -1, "Arial, 10, Bold, Italic, Underlined"},
        {0, -1, -1, "Arial, 10, Italic, Underlined"},
        // Only -1 counts as on, as the settings store it.
        {1, 1, 1, "Arial, 10"},
    };
    for (const Case& c : cases) {
        CardDocument doc;
        doc.StyleFontName[3] = QStringLiteral("Arial");
        doc.StyleFontSize[3] = 10;
        doc.StyleFontBold[3] = c.bold;
        doc.StyleFontItalic[3] = c.italic;
        doc.StyleFontUnderline[3] = c.underline;
        EXPECT_EQ(StyleChoice::sampleText(doc, 3), c.sample);
    }
    CardDocument doc;
    EXPECT_EQ(StyleChoice::sampleText(doc, 0), "");
    EXPECT_EQ(StyleChoice::sampleText(doc, 7), "");
}

TEST(StyleChoiceTest, ChosenFontRoundsHalvesToEvenAndRefusesUnusableSizes) {
    const std::pair<double, qint16> sizes[] = {{12.0, 12}, {10.5, 10}, {11.5, 12}, {8.25, 8},
                                               {9.75, 10}, {0.4, 9},   {-3.0, 9},  {1e9, 9}};
    for (const auto& [chosen, stored] : sizes) {
        CardDocument doc;
        doc.StyleFontSize[2] = 9;
        StyleChoice::takeFont(doc, 2, QStringLiteral("Serif"), chosen, true, false, true);
        EXPECT_EQ(doc.StyleFontSize[2], stored) << chosen;
        EXPECT_EQ(doc.StyleFontName[2], "Serif");
        EXPECT_EQ(doc.StyleFontBold[2], -1);
        EXPECT_EQ(doc.StyleFontItalic[2], 0);
        EXPECT_EQ(doc.StyleFontUnderline[2], -1);
        EXPECT_EQ(doc.StyleFontName[1], ""); // other styles untouched
    }
}

} // namespace
