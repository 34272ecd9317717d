#include "card_editor/card/BoxContent.h"
#include "card_editor/card/CardDocument.h"
#include "card_editor/card/CardSettings.h"
#include "card_editor/card/tests/TestCardView.h"

#include <gtest/gtest.h>

namespace {

class BoxContentTest : public ::testing::Test {
protected:
    BoxContentTest() {
        for (int s = 1; s <= StyleCount; ++s) {
            doc.StyleFontName[s] = QStringLiteral("Arial");
            doc.StyleFontSize[s] = 8;
            doc.StyleFontColour[s] = CardSettings::defaultColour(s);
        }
    }

    QString text(int box) { return view.RTFbtn(box).Text(); }

    // Each mode's caption of button b is "m<mode> b<button>".
    void captionEveryButton() {
        for (int m = 0; m < ModeCount; ++m) {
            for (int b = 1; b <= ButtonCount; ++b) {
                doc.captions.set(m, b, QStringLiteral("m%1 b%2").arg(m).arg(b));
            }
        }
    }

    QString lines(int button, std::initializer_list<int> modes) {
        QStringList out;
        for (int m : modes) {
            out << QStringLiteral("m%1 b%2").arg(m).arg(button);
        }
        return out.join(QStringLiteral("\r\n"));
    }

    CardDocument doc;
    TestCardView view;
};

TEST_F(BoxContentTest, BottomRowDecidesWhereButtonsFiveToTenGo) {
    captionEveryButton();
    for (int b = 0; b <= 4; ++b) {
        doc.BottomRow = static_cast<qint16>(b);
        BoxContent::ShowAll(doc, view);
        SCOPED_TRACE(b);
        std::vector<int> others;
        for (int m = 0; m < 5; ++m) {
            if (m != b) {
                others.push_back(m);
            }
        }
        for (int button = 5; button <= 10; ++button) {
            QStringList expected;
            for (int m : others) {
                expected << QStringLiteral("m%1 b%2").arg(m).arg(button);
            }
            EXPECT_EQ(text(button - 1), expected.join("\r\n"));
            EXPECT_EQ(text(button + 23), QStringLiteral("m%1 b%2").arg(b).arg(button));
        }
        EXPECT_EQ(text(0), lines(1, {0, 1, 2, 3, 4}));
        EXPECT_EQ(text(27), lines(28, {0, 1, 2, 3, 4}));
    }

    // No lowest-row mode: the lowest row is empty and buttons 5 to 10 show every mode.
    doc.BottomRow = 5;
    BoxContent::RefreshTemplate(doc, view);
    for (int button = 5; button <= 10; ++button) {
        EXPECT_EQ(text(button - 1), lines(button, {0, 1, 2, 3, 4}));
        EXPECT_EQ(text(button + 23), "");
    }

    // A value from a hand-edited file: the lowest row is emptied, the boxes above keep theirs.
    doc.captions.clear();
    doc.BottomRow = 7;
    BoxContent::RefreshTemplate(doc, view);
    EXPECT_EQ(text(4), lines(5, {0, 1, 2, 3, 4}));
    EXPECT_EQ(text(28), "");
    EXPECT_EQ(text(0), "");
}

TEST_F(BoxContentTest, RepeatsAreLeftOutByContainedText) {
    view.shown = {true, true, true, true, true};
    auto button1 = [&](const char* viewsOut, const char* viewsIn) {
        doc.captions.set(0, 1, QString::fromUtf8(viewsOut));
        doc.captions.set(1, 1, QString::fromUtf8(viewsIn));
        BoxContent::RefreshTemplate(doc, view);
        return text(0);
    };
    EXPECT_EQ(button1("Gear", "gear"), "Gear");
    EXPECT_EQ(button1("Gear up", "Gear"), "Gear up");
    EXPECT_EQ(button1("Gear", "Gear up"), "Gear\r\nGear up");
    // A plain substring test, not a comparison of whole lines.
    EXPECT_EQ(button1("Gear", "ar"), "Gear");

    view.noRepeat = false;
    EXPECT_EQ(button1("Gear", "Gear"), "Gear\r\nGear");

    // The lowest row is never compared with the box above it.
    view.noRepeat = true;
    doc.BottomRow = 4;
    doc.captions.set(0, 5, "Fire");
    doc.captions.set(4, 5, "Fire");
    BoxContent::RefreshTemplate(doc, view);
    EXPECT_EQ(text(4), "Fire");
    EXPECT_EQ(text(28), "Fire");
}

TEST_F(BoxContentTest, HiddenModesAndEmptyCaptionsLeaveNoLine) {
    captionEveryButton();
    doc.captions.set(1, 12, "");
    view.shown = {true, true, false, true, false};
    doc.BottomRow = 2; // a hidden mode: its captions appear nowhere
    BoxContent::RefreshTemplate(doc, view);
    EXPECT_EQ(text(11), lines(12, {0, 3}));
    EXPECT_EQ(text(5), lines(6, {0, 1, 3}));
    EXPECT_EQ(text(29), "");

    view.RTFbtn(CardView::TitleBox).setText("Title");
    view.shown = {};
    BoxContent::RefreshTemplate(doc, view);
    for (int box = 0; box < CardView::TitleBox; ++box) {
        EXPECT_EQ(text(box), "") << box;
    }
    EXPECT_EQ(text(CardView::TitleBox), "Title");
}

TEST_F(BoxContentTest, EveryLineCarriesItsModesStyleCentred) {
    const char* fonts[] = {"",      "Arial",   "Courier New", "Times New Roman",
                           "Arial", "Georgia", "Verdana"};
    for (int s = 1; s <= StyleCount; ++s) {
        doc.StyleFontName[s] = QString::fromLatin1(fonts[s]);
        doc.StyleFontSize[s] = static_cast<qint16>(6 + 2 * s);
        doc.StyleFontBold[s] = s % 2 ? -1 : 0;
        doc.StyleFontItalic[s] = s % 3 ? 0 : -1;
        doc.StyleFontUnderline[s] = s == 4 || s == 6 ? 1 : 0;
        doc.StyleFontColour[s] = 0x102030 * s;
    }
    captionEveryButton();
    doc.BottomRow = 4;
    BoxContent::ShowAll(doc, view);
    BoxContent::SetTitle(doc, view.RTFbtn(CardView::TitleBox), "A game");

    auto expectStyle = [&](int box, int start, int length, int style) {
        SCOPED_TRACE(testing::Message() << "box " << box << " style " << style);
        RichTextBox& rtb = view.RTFbtn(box);
        rtb.setSelStart(start);
        rtb.setSelLength(length);
        EXPECT_EQ(rtb.SelFontName(), doc.StyleFontName[style]);
        EXPECT_EQ(rtb.SelFontSize(), doc.StyleFontSize[style]);
        EXPECT_EQ(rtb.SelBold(), doc.StyleFontBold[style] != 0);
        EXPECT_EQ(rtb.SelItalic(), doc.StyleFontItalic[style] != 0);
        EXPECT_EQ(rtb.SelUnderline(), doc.StyleFontUnderline[style] != 0);
        EXPECT_EQ(rtb.SelColor(), static_cast<std::uint32_t>(doc.StyleFontColour[style]));
        EXPECT_EQ(rtb.SelAlignment(), BoxContent::Centred);
    };
    // Box 0: five lines "m0 b1" ... "m4 b1", each 5 characters, CR LF between them.
    for (int m = 0; m < 5; ++m) {
        expectStyle(0, m * 7, 5, m + 1);
    }
    expectStyle(28, 0, 5, 5);
    expectStyle(CardView::TitleBox, 0, 6, TitleStyle);

    // The title takes the title style as a whole, whatever formatting it had.
    RichTextBox& title = view.RTFbtn(CardView::TitleBox);
    title.setSelStart(0);
    title.setSelLength(1);
    title.setSelBold(false);
    title.setSelColor(0x00FF00);
    BoxContent::SetTitle(doc, title, title.Text());
    expectStyle(CardView::TitleBox, 0, 6, TitleStyle);
}

TEST_F(BoxContentTest, DamagedStylesDoNotBreakTheRebuild) {
    doc.StyleFontSize[1] = 32767;
    doc.StyleFontSize[2] = -5;
    doc.StyleFontName[3] = QString();
    doc.StyleFontColour[4] = -1;
    captionEveryButton();
    BoxContent::ShowAll(doc, view);
    EXPECT_EQ(text(0), lines(1, {0, 1, 2, 3, 4}));
}

} // namespace
