#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/MovablePicture.h"
#include "card_editor/window/tests/CardUserFixture.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QtEndian>

namespace {

class CaptureTest : public CardUserFixture {
protected:
    // A window whose view is larger than the shipped card, so the card fits.
    void startFitting() {
        ship("Gamecard.bmp");
        startShown(QSize(900, 800));
        QApplication::processEvents();
        ASSERT_TRUE(window->HScroll1().isHidden());
        ASSERT_TRUE(window->VScroll1().isHidden());
    }

    // Gives the card a plain picture of this size.
    void cardOfSize(QSize size) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(QColor(250, 240, 200));
        // A name of its own: pictures loaded from one path are cached by it.
        const QString path =
            programFile(QStringLiteral("card%1x%2.png").arg(size.width()).arg(size.height()));
        ASSERT_TRUE(picture.save(path));
        ASSERT_TRUE(window->BackgroundImage().loadPicture(path));
    }

    void capture() { action("mnuCaptureAsBitmap")->trigger(); }
    QString imagesFile(const QString& name) { return programFile("Images/" + name); }
};

TEST_F(CaptureTest, OnlyACardThatFitsTheViewIsCaptured) {
    startFitting();
    const QSize view = window->Picture1().size();
    const QSize cases[] = {view, view + QSize(1, 0), view + QSize(0, 1)};
    for (const QSize& card : cases) {
        SCOPED_TRACE(card.width() * 10000 + card.height());
        QFile::remove(imagesFile("capture.bmp"));
        cardOfSize(card);
        const bool fits = card == view;
        if (!fits) {
            messageBox.queueAnswer(MsgAnswer::Ok);
        }
        capture();
        ASSERT_EQ(window->Picture1().size(), view);
        EXPECT_EQ(QFileInfo::exists(imagesFile("capture.bmp")), fits);
        if (fits) {
            EXPECT_EQ(QImage(imagesFile("capture.bmp")).size(), card);
            EXPECT_EQ(messageBox.count(), 0u);
            continue;
        }
        ASSERT_EQ(messageBox.count(), 1u);
        EXPECT_EQ(messageBox.last().title, "Can't capture as bitmap - it's too large");
        EXPECT_EQ(messageBox.last().style, MsgStyle::Exclamation);
        EXPECT_EQ(messageBox.last().text,
                  "The layout is too large for me to capture as a bitmap. You must maximise the "
                  "Quillet and/or increase your screen resolution so that the main horizontal "
                  "and vertical scrollbars aren't visible.");
        messageBox.clear();
    }
}

TEST_F(CaptureTest, TheBitmapShowsTheCardAsShown) {
    startFitting();
    QPalette red = box(5).palette();
    red.setColor(QPalette::Base, QColor(200, 30, 40));
    box(5).setPalette(red);
    QImage green(8, 8, QImage::Format_RGB32);
    green.fill(QColor(20, 180, 60));
    window->Image1().setPicture(green);
    // Of two boxes with a selection, the one with the focus shows it, as on screen.
    for (const int i : {7, 8}) {
        box(i).setText("Flaps");
        box(i).setSelStart(0);
        box(i).setSelLength(5);
    }
    box(8).SetFocus();
    capture();

    const QByteArray bytes = *FileSystem::readFile(imagesFile("capture.bmp"));
    ASSERT_GE(bytes.size(), 54);
    const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
    EXPECT_EQ(qFromLittleEndian<quint16>(header + 28), 24); // bits per pixel
    const QImage shot(imagesFile("capture.bmp"));
    EXPECT_EQ(shot.size(), QSize(527, 712));
    EXPECT_EQ(shot.devicePixelRatio(), 1.0);
    const QRect b = box(5).geometry();
    EXPECT_EQ(shot.pixelColor(b.center()), QColor(200, 30, 40));
    // Outside the boxes the card picture shows.
    const QImage card = window->BackgroundImage().picture().toImage();
    EXPECT_EQ(shot.pixelColor(3, 3), card.pixelColor(3, 3));
    // The movable picture shows where no box lies over it.
    EXPECT_EQ(shot.pixelColor(window->Image1().geometry().center()), QColor(20, 180, 60));
    const QColor highlight = box(8).palette().color(QPalette::Active, QPalette::Highlight);
    for (const int i : {7, 8}) {
        const QPoint aboveTheLetters(box(i).geometry().center().x(), box(i).geometry().top() + 3);
        EXPECT_EQ(shot.pixelColor(aboveTheLetters) == highlight, i == 8) << i;
    }
    // Nothing is left in the capture box afterwards.
    EXPECT_TRUE(window->findChild<QLabel*>("PicCapture")->pixmap().isNull());
}

TEST_F(CaptureTest, TheFileIsNamedAfterTheGameAndOverwritten) {
    startFitting();
    // The pictures folder chosen in the preferences is not where captures go.
    window->document().ImagesDirectory = folder.path();
    capture();
    EXPECT_TRUE(QFileInfo::exists(imagesFile("capture.bmp")));

    const std::pair<const char*, const char*> games[] = {{"Flight Sim", "Flight Sim.bmp"},
                                                         {"F/A-18 Hornet", "F_A-18 Hornet.bmp"},
                                                         {"..\\..\\Up", ".._.._Up.bmp"}};
    for (const auto& [game, file] : games) {
        SCOPED_TRACE(game);
        openGame(game, {"Throttle"});
        capture();
        EXPECT_TRUE(QFileInfo::exists(imagesFile(file)));
    }
    // Nothing went anywhere but the "Images" folder.
    EXPECT_EQ(QDir(programFile("Images")).entryList(QDir::Files | QDir::Hidden).size(), 4);
    EXPECT_FALSE(QFileInfo::exists(programFile("Up.bmp")));

    // A second capture for the same game replaces the first without asking.
    QPalette blue = box(0).palette();
    blue.setColor(QPalette::Base, Qt::blue);
    box(0).setPalette(blue);
    capture();
    const QImage shot(imagesFile(".._.._Up.bmp"));
    EXPECT_EQ(shot.pixelColor(box(0).geometry().topLeft() + QPoint(3, 3)), QColor(Qt::blue));
}

TEST_F(CaptureTest, AFailedWriteIsReportedAndTheOldFileKept) {
    startFitting();
    // The "Images" folder has vanished: a message names the file, nothing is made.
    ASSERT_TRUE(QDir(programFile("Images")).removeRecursively());
    messageBox.queueAnswer(MsgAnswer::Ok);
    capture();
    ASSERT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(messageBox.last().title, "Can't capture as bitmap");
    EXPECT_TRUE(messageBox.last().text.startsWith("I couldn't save the card as " +
                                                  imagesFile("capture.bmp")));
    EXPECT_FALSE(QFileInfo::exists(programFile("Images")));

    // A write-protected bitmap stays as it was.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Images"));
    ASSERT_TRUE(FileSystem::replaceFile(imagesFile("capture.bmp"), "old"));
    ASSERT_TRUE(QFile::setPermissions(imagesFile("capture.bmp"), QFile::ReadOwner));
    messageBox.clear();
    messageBox.queueAnswer(MsgAnswer::Ok);
    capture();
    EXPECT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(FileSystem::readFile(imagesFile("capture.bmp")), QByteArray("old"));
}

} // namespace
