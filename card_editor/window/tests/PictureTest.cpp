#include "card_editor/window/CardPictureBox.h"
#include "card_editor/window/FrmImageSize.h"
#include "card_editor/window/MovablePicture.h"
#include "card_editor/window/SelectPictureForm.h"
#include "card_editor/window/tests/QuilletFixture.h"
#include "common/platform/Profile.h"

#include <QAction>
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Texts as gtest prints them readably.
std::string s(const QString& text) {
    return text.toStdString();
}

// Answers the next modal dialog of type D once it is shown.
template <class D> void answer(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the dialog expected is not shown";
            if (QWidget* other = QApplication::activeModalWidget()) {
                other->close();
            }
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->close();
        }
    });
}

class PictureTest : public QuilletFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(folder.path()).mkpath("Images"));
        picture("Images/red.bmp", Qt::red, "BMP");
        picture("Images/Blue.JPG", Qt::blue, "JPG");
        writeFile("Images/notapicture.bmp", {"just text"});
        writeFile("Falcon.gam", {"Falcon"});
        writeFile("Mig.gam", {"Mig Alley"});
    }

    void picture(const QString& name, Qt::GlobalColor colour, const char* format) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(programFile(name), format));
    }

    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    const QImage& shown() { return window->Image1().picture(); }
    QString stored(const QString& game) {
        return Profile::readString("Default images", game, "", 1000, window->document().iniPath());
    }

    void open(const QString& gameFile) {
        dialog.queueOpen(programFile(gameFile));
        action("mnuOpen")->trigger();
    }

    // Picks a file of the pictures folder (or none) and applies, or cancels.
    void insert(const QString& file, bool apply = true) {
        answer<SelectPictureForm>([file, apply](SelectPictureForm& form) {
            if (!file.isEmpty()) {
                const QList<QListWidgetItem*> found = form.File1->findItems(file, Qt::MatchExactly);
                ASSERT_EQ(found.size(), 1) << file.toStdString();
                form.File1->setCurrentItem(found.front());
            }
            (apply ? form.Command2 : form.Command1)->click();
        });
        action("mnuImageSelect")->trigger();
    }
};

TEST_F(PictureTest, PicturesOfEveryListedKindLoad) {
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const char* format : {"bmp", "jpg", "gif", "ico"}) {
        EXPECT_TRUE(formats.contains(format)) << format;
    }
    // The smallest GIF: one white pixel.
    const QByteArray gif =
        QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000"
                            "002c00000000010001000002024401003b");
    ASSERT_TRUE(FileSystem::replaceFile(programFile("Images/w.gif"), gif));
    picture("Images/g.ico", Qt::green, "ICO");
    for (const char* name : {"Images/red.bmp", "Images/Blue.JPG", "Images/w.gif", "Images/g.ico"}) {
        EXPECT_FALSE(MovablePicture::readPicture(programFile(name)).isNull()) << name;
    }
    EXPECT_TRUE(MovablePicture::readPicture(programFile("Images/notapicture.bmp")).isNull());
    EXPECT_TRUE(MovablePicture::readPicture(programFile("Images")).isNull());
}

TEST_F(PictureTest, InsertFromFileKeepsTheCardWhenNothingNewIsChosen) {
    start();
    open("Falcon.gam");
    const QString red = programFile("Images/red.bmp");
    const QString blue = programFile("Images/Blue.JPG");
    struct Step {
        const char* file;
        bool apply;
        QString imagePath; // afterwards; also the game's stored picture
        QRgb colour;       // of the picture shown
        bool visible;
    };
    const Step steps[] = {
        {"red.bmp", true, red, qRgb(255, 0, 0), true},
        {"red.bmp", true, red, qRgb(255, 0, 0),
         false}, // the same file: the hidden picture stays hidden
        {"notapicture.bmp", true, red, qRgb(255, 0, 0), false},
        {"Blue.JPG", false, red, qRgb(255, 0, 0), false}, // cancelled
        {"Blue.JPG", true, blue, qRgb(0, 0, 255), true},
    };
    for (const Step& step : steps) {
        if (std::string(step.file) == "notapicture.bmp") {
            messageBox.queueAnswer(MsgAnswer::Ok);
        }
        insert(step.file, step.apply);
        SCOPED_TRACE(step.file);
        EXPECT_EQ(s(window->document().ImagePath), s(FileSystem::storedPathCase(step.imagePath)));
        EXPECT_EQ(s(stored("Falcon")), s(FileSystem::storedPathCase(step.imagePath)));
        ASSERT_FALSE(shown().isNull());
        EXPECT_EQ(shown().pixelColor(4, 4).rgb() & 0xF0F0F0, step.colour & 0xF0F0F0);
        EXPECT_EQ(action("mnuImageVisible")->isChecked(), step.visible);
        EXPECT_EQ(window->Image1().isHidden(), !step.visible);
        if (step.visible) {
            action("mnuImageVisible")->trigger(); // hidden for the next step
        }
    }
    ASSERT_EQ(messageBox.count(), 1u);
    EXPECT_EQ(messageBox.last().title, "Ooops!");
    EXPECT_EQ(messageBox.last().style, MsgStyle::Exclamation);

    // Apply with no file chosen clears the picture.
    insert("");
    EXPECT_EQ(s(window->document().ImagePath), "none");
    EXPECT_TRUE(shown().isNull());
    EXPECT_EQ(s(stored("Falcon")), s(FileSystem::storedPathCase(blue)));
}

TEST_F(PictureTest, EachGameShowsItsOwnPicture) {
    start();
    open("Falcon.gam");
    insert("red.bmp");
    const QString red = FileSystem::storedPathCase(programFile("Images/red.bmp"));
    open("Mig.gam");
    EXPECT_TRUE(shown().isNull());
    EXPECT_EQ(s(window->document().ImagePath), "none");

    action("mnuImageVisible")->trigger();
    open("Falcon.gam");
    EXPECT_FALSE(shown().isNull());
    EXPECT_TRUE(action("mnuImageVisible")->isChecked());
    EXPECT_FALSE(window->Image1().isHidden());

    // A press on the picture stays with it: nothing beneath sees it.
    struct PressCounter : QObject {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            presses += event->type() == QEvent::MouseButtonPress;
            return false;
        }
    } counter;
    window->show();
    window->BackgroundImage().installEventFilter(&counter);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mouseClick(&window->Image1(), button, {}, QPoint(3, 3));
    }
    EXPECT_EQ(counter.presses, 0);

    // Clear image takes it off the card but the game keeps it for the next time.
    action("mnuImageClear")->trigger();
    EXPECT_TRUE(shown().isNull());
    EXPECT_EQ(s(window->document().ImagePath), "none");
    EXPECT_EQ(s(stored("Falcon")), s(red));

    // After New template no game is open: a picture inserted then is no game's.
    action("mnuNewTemplate")->trigger();
    EXPECT_FALSE(window->ViewCaptionChecked(0));
    insert("Blue.JPG");
    EXPECT_EQ(s(stored("Falcon")), s(red));
    // What the stored entry names decides, at the next start too.
    const QString deep = programFile(QString("folder with a long name ").repeated(6).trimmed());
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_TRUE(QFile::copy(programFile("Images/red.bmp"), deep + "/red.bmp"));
    const std::tuple<QString, bool, bool> entries[] = {
        {red, true, true},
        {FileSystem::storedPathCase(deep + "/red.bmp"), true, true},
        {programFile("Images/notapicture.bmp"), false, true},
        {programFile("Images/gone.bmp"), false, false},
        {programFile("Images"), false, false},
        {"none", false, false},
    };
    for (const auto& [entry, shows, pathKept] : entries) {
        SCOPED_TRACE(entry.toStdString());
        open("Falcon.gam"); // a picture on the card first
        Profile::writeString("Default images", "Falcon", entry, window->document().iniPath());
        start();
        action("mnuImageVisible")->trigger();
        open("Falcon.gam");
        EXPECT_EQ(!shown().isNull(), shows);
        EXPECT_EQ(s(window->document().ImagePath), s(pathKept ? entry : QString("none")));
        EXPECT_EQ(action("mnuImageVisible")->isChecked(), pathKept);
    }
    EXPECT_EQ(messageBox.count(), 0u);
}

TEST_F(PictureTest, ImageSizeDialogClampsPreviewsAndCancels) {
    start();
    window->Image1().setGeometry(30, 40, 50, 60); // left, top, width, height
    const QRect before(30, 40, 50, 60);
    enum class Then { Ok, Cancel, Escape };
    struct Case {
        QStringList typed;        // top, left, width, height
        QStringList afterPreview; // empty: no preview
        QRect previewed;
        Then then;
        QRect result;
        bool complaint;
    };
    const QStringList clamped = {"10", "7", "20", "20"};
    const QStringList keptAsTyped = {"1", "2", "40000", "30"};
    const Case cases[] = {
        {{"-5", "7", "19", "20"}, clamped, {7, 10, 20, 20}, Then::Escape, {7, 10, 20, 20}, false},
        {{"-5", "7", "19", "20"}, clamped, {7, 10, 20, 20}, Then::Cancel, before, false},
        {{"12.7", "-0.5", "abc", "300"}, {}, {}, Then::Ok, {10, 12, 20, 300}, false},
        {keptAsTyped, keptAsTyped, {2, 1, 50, 30}, Then::Escape, {2, 1, 50, 30}, false},
        {keptAsTyped, {}, {}, Then::Ok, before, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.join(' ').toStdString());
        window->Image1().setGeometry(before);
        if (c.complaint) {
            messageBox.queueAnswer(MsgAnswer::Ok);
        }
        answer<FrmImageSize>([&c, this](FrmImageSize& d) {
            EXPECT_EQ(d.windowTitle(), "Image size");
            EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
            const QStringList opened = {"40", "30", "50", "60"};
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(d.Text1[i]->text(), opened[i]);
                d.Text1[i]->setText(c.typed[i]);
            }
            if (!c.afterPreview.isEmpty()) {
                d.CmdPreview->click();
                for (int i = 0; i < 4; ++i) {
                    EXPECT_EQ(d.Text1[i]->text(), c.afterPreview[i]);
                }
                EXPECT_EQ(window->Image1().geometry(), c.previewed);
            }
            switch (c.then) {
            case Then::Ok:
                d.Command1[0]->click();
                break;
            case Then::Cancel:
                d.Command1[1]->click();
                break;
            case Then::Escape:
                QTest::keyClick(d.Text1[2], Qt::Key_Escape);
                break;
            }
        });
        action("mnuImageResize")->trigger();
        EXPECT_EQ(window->Image1().geometry(), c.result);
        EXPECT_EQ(messageBox.count(), c.complaint ? 1u : 0u);
        if (c.complaint) {
            EXPECT_EQ(messageBox.last().title, "Ooops!");
            EXPECT_EQ(messageBox.last().text, "One of the values you entered is invalid, and so "
                                              "I'll restore the image size.");
        }
        messageBox.clear();
    }

    // Resize on a hidden picture shows it first.
    action("mnuImageVisible")->trigger();
    ASSERT_TRUE(window->Image1().isHidden());
    answer<FrmImageSize>([](FrmImageSize& d) { d.Command1[0]->click(); });
    action("mnuImageResize")->trigger();
    EXPECT_TRUE(action("mnuImageVisible")->isChecked());
    EXPECT_FALSE(window->Image1().isHidden());
}

TEST_F(PictureTest, PictureSelectionBrowsesFromThePicturesFolder) {
    start();
    answer<SelectPictureForm>([this](SelectPictureForm& form) {
        EXPECT_EQ(form.windowTitle(), "Select picture to open");
        EXPECT_EQ(s(form.folder()), s(programFile("Images")));
        EXPECT_EQ(form.File1->count(), 3); // Blue.JPG, notapicture.bmp, red.bmp
        EXPECT_EQ(form.Label1->text(), "");
        form.File1->setCurrentRow(2);
        EXPECT_EQ(s(form.Label1->text()),
                  s(FileSystem::storedPathCase(programFile("Images/red.bmp"))));
        EXPECT_FALSE(form.ImagePreview->picture().isNull());
        form.File1->setCurrentRow(1);
        EXPECT_TRUE(form.ImagePreview->picture().isNull());

        // A folder that vanished while it was listed shows its nearest parent.
        ASSERT_TRUE(QDir().mkpath(programFile("Images/Gone")));
        form.setFolder(programFile("Images"));
        ASSERT_TRUE(QDir(programFile("Images/Gone")).removeRecursively());
        const QList<QListWidgetItem*> gone = form.Dir1->findItems("Gone", Qt::MatchEndsWith);
        ASSERT_EQ(gone.size(), 1);
        form.Dir1->setCurrentItem(gone.front());
        QTest::keyClick(form.Dir1, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible()); // Enter in the folders opens, never applies
        EXPECT_EQ(s(form.folder()), s(programFile("Images")));
        form.Command1->click();
    });
    action("mnuImageSelect")->trigger();
    EXPECT_EQ(s(window->document().ImagePath), "none");
}

} // namespace
