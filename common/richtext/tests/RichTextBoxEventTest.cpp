#include "common/richtext/RichTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Key {
    int code;
    int shift;
};

struct Mouse {
    int button;
    int shift;
    float x;
    float y;
};

class RichTextBoxEvents : public ::testing::Test {
protected:
    void SetUp() override {
        // The modifier keys' own presses (Shift 16, Ctrl 17, Alt 18) are left out.
        QObject::connect(&box_, &RichTextBox::KeyDown, [this](int& code, int& shift) {
            if (code < 16 || code > 18) {
                downs_.push_back({code, shift});
            }
            if (code == consume_) {
                code = 0;
                shift = 0;
            }
        });
        QObject::connect(&box_, &RichTextBox::KeyUp, [this](int& code, int& shift) {
            if (code < 16 || code > 18) {
                ups_.push_back({code, shift});
            }
        });
        QObject::connect(&box_, &RichTextBox::MouseDown, [this](int b, int s, float x, float y) {
            mice_.push_back({b, s, x, y});
        });
        QObject::connect(&box_, &RichTextBox::MouseMove, [this](int b, int s, float x, float y) {
            mice_.push_back({b, s, x, y});
        });
        QObject::connect(&box_, &RichTextBox::MouseUp, [this](int b, int s, float x, float y) {
            mice_.push_back({b, s, x, y});
        });
        box_.resize(200, 100);
    }

    void sendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
                   Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, QPointF(at), box_.viewport()->mapToGlobal(QPointF(at)), button,
                          held, modifiers);
        QApplication::sendEvent(box_.viewport(), &event);
    }

    RichTextBox box_;
    int consume_ = -1;
    std::vector<Key> downs_;
    std::vector<Key> ups_;
    std::vector<Mouse> mice_;
};

TEST_F(RichTextBoxEvents, KeysReportWindowsCodesAndShiftAndCanBeConsumed) {
    consume_ = 65; // A
    QTest::keyClick(&box_, Qt::Key_A);
    QTest::keyClick(&box_, Qt::Key_B);
    QTest::keyClick(&box_, Qt::Key_Escape, Qt::ControlModifier);
    QTest::keyClick(&box_, Qt::Key_F9);
    EXPECT_EQ(box_.Text(), "b");
    ASSERT_EQ(downs_.size(), 4u);
    EXPECT_EQ(downs_[0].code, 65);
    EXPECT_EQ(downs_[1].code, 66);
    EXPECT_EQ(downs_[2].code, 27);
    EXPECT_EQ(downs_[2].shift, 2);
    EXPECT_EQ(downs_[3].code, 120);
    ASSERT_EQ(ups_.size(), 4u);
    EXPECT_EQ(ups_[1].code, 66);

    // A consumed Ctrl+C copies nothing; Ctrl+Shift+C reports shift 3.
    QApplication::clipboard()->setText("before");
    box_.setSelStart(0);
    box_.setSelLength(1);
    consume_ = 67;
    QTest::keyClick(&box_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    QTest::keyClick(&box_, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(downs_.back().code, 67);
    EXPECT_EQ(downs_.back().shift, 7);
}

TEST_F(RichTextBoxEvents, MouseReportsButtonsShiftAndTwipsFromTheBoxCorner) {
    const double twips = 1440.0 / box_.logicalDpiX();
    EXPECT_DOUBLE_EQ(box_.twipsPerPixel(), twips);
    const QPoint corner = box_.viewport()->pos();

    sendMouse(QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, {20, 7}, Qt::NoButton, Qt::RightButton, Qt::ShiftModifier);
    sendMouse(QEvent::MouseMove, {30, 8}, Qt::NoButton, Qt::NoButton);
    sendMouse(QEvent::MouseButtonRelease, {40, 9}, Qt::MiddleButton, Qt::NoButton,
              Qt::ControlModifier);
    ASSERT_EQ(mice_.size(), 4u);
    EXPECT_EQ(mice_[0].button, 1);
    EXPECT_FLOAT_EQ(mice_[0].x, static_cast<float>((10 + corner.x()) * twips));
    EXPECT_FLOAT_EQ(mice_[0].y, static_cast<float>((5 + corner.y()) * twips));
    EXPECT_EQ(mice_[1].button, 2);
    EXPECT_EQ(mice_[1].shift, 1);
    EXPECT_EQ(mice_[2].button, 0);
    EXPECT_EQ(mice_[3].button, 4);
    EXPECT_EQ(mice_[3].shift, 2);
    EXPECT_FLOAT_EQ(mice_[3].x, static_cast<float>((40 + corner.x()) * twips));
}

TEST_F(RichTextBoxEvents, FocusAndChangeAreSignalled) {
    QSignalSpy focus(&box_, &RichTextBox::GotFocus);
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&box_, &in);
    EXPECT_EQ(focus.count(), 1);

    // Every change of the content counts, the program's own included; moving the caret does not.
    QSignalSpy changes(&box_, &RichTextBox::Change);
    QTest::keyClick(&box_, Qt::Key_X);
    EXPECT_EQ(changes.count(), 1);
    box_.setText("abc");
    EXPECT_EQ(changes.count(), 2);
    box_.setSelStart(3);
    box_.setSelText("d");
    EXPECT_EQ(changes.count(), 3);
    box_.setSelStart(0);
    box_.setSelLength(2);
    EXPECT_EQ(changes.count(), 3);
    ASSERT_TRUE(box_.LoadFile(QString::fromLatin1(TAVRIN_SOURCE_DIR "/README.md")));
    EXPECT_EQ(changes.count(), 4);
}

TEST(RichTextBoxWindow, GeometryVisibilityPointerStackingAndSelection) {
    QWidget card;
    RichTextBox first(&card);
    RichTextBox second(&card);
    first.Move(10, 20, 100, 40);
    EXPECT_EQ(first.Left(), 10);
    EXPECT_EQ(first.Top(), 20);
    EXPECT_EQ(first.Width(), 100);
    EXPECT_EQ(first.Height(), 40);
    first.Move(5);
    EXPECT_EQ(first.geometry(), QRect(5, 20, 100, 40));
    first.setWidth(41);
    first.setHeight(21);
    EXPECT_EQ(first.geometry(), QRect(5, 20, 41, 21));

    // Visible is what was set, even while the card is not shown.
    EXPECT_TRUE(first.Visible());
    first.setVisible(false);
    EXPECT_FALSE(first.Visible());
    first.setVisible(true);
    EXPECT_TRUE(first.Visible());

    first.setMousePointer(5);
    EXPECT_EQ(first.MousePointer(), 5);
    EXPECT_EQ(first.viewport()->cursor().shape(), Qt::SizeAllCursor);
    first.setMousePointer(3);
    EXPECT_EQ(first.MousePointer(), 5);
    first.setMousePointer(0);
    EXPECT_EQ(first.viewport()->cursor().shape(), Qt::IBeamCursor);

    first.ZOrder();
    EXPECT_EQ(card.children().last(), &first);
    first.ZOrder(1);
    EXPECT_EQ(card.children().last(), &second);

    first.setAccessibleName("Box for button 5");
    EXPECT_EQ(first.accessibleName(), "Box for button 5");

    // Only the focused box shows its selection, which it keeps.
    first.setText("Gear up");
    first.setSelLength(4);
    card.show();
    QApplication::setActiveWindow(&card);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&card));
    const QPoint inside = first.cursorRect().topLeft() + QPoint(-2, 1); // above the letters
    const QRgb shade = first.palette().color(QPalette::Active, QPalette::Highlight).rgb();
    for (RichTextBox* focused : {&first, &second, &first}) {
        focused->SetFocus();
        EXPECT_EQ(first.viewport()->grab().toImage().pixel(inside) == shade, focused == &first);
        EXPECT_EQ(first.SelText(), "Gear");
    }
}

} // namespace
