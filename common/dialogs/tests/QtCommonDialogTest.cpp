#include "common/dialogs/QtCommonDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

// Answers the next modal dialog of type D with the given action; any further modal dialog
// that shows up while the call runs (an unasked question) is a fault and gets rejected.
template <typename D> class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(D*)> action) : action_(std::move(action)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { poll(); });
        timer_.start();
        clock_.start();
    }
    bool answered() const { return answered_; }
    int unexpected() const { return unexpected_; }

private:
    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog == handled_ && unexpected_ > 0) {
            dialog->reject(); // left open by the unasked question: end the call
            return;
        }
        if (dialog == nullptr || dialog == handled_) {
            if (clock_.elapsed() > 10000) {
                timer_.stop();
            }
            return;
        }
        if (auto* wanted = qobject_cast<D*>(dialog); wanted != nullptr && !answered_) {
            answered_ = true;
            handled_ = dialog;
            // Run outside this slot: a dialog the action opens runs its own event loop, in
            // which this timer must go on polling.
            QMetaObject::invokeMethod(
                &timer_, [this, wanted] { action_(wanted); }, Qt::QueuedConnection);
            return;
        }
        ++unexpected_;
        dialog->reject();
    }

    std::function<void(D*)> action_;
    QTimer timer_;
    QElapsedTimer clock_;
    QPointer<QDialog> handled_;
    bool answered_ = false;
    int unexpected_ = 0;
};

class QtCommonDialogTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
    QtCommonDialog dialog;
};

TEST_F(QtCommonDialogTest, SaveAddsTheDefaultExtensionAndAsksNoOverwriteQuestion) {
    QFile existing(file("flight.gam"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QStringList filters;
    QString startedIn;
    ModalAnswer<QFileDialog> answer([&](QFileDialog* shown) {
        filters = shown->nameFilters();
        startedIn = shown->directory().absolutePath();
        // Typed by the user into the name field.
        auto* name = shown->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("flight"));
        static_cast<QDialog*>(shown)->accept();
    });
    dialog.Filter = "Brelkin game file (*.gam)|*.gam|All files (*.*)|*.*";
    dialog.DefaultExt = "gam";
    // Callers may hand a file where a folder is expected: its folder is used.
    dialog.InitDir = file("notes.rtf");
    dialog.DialogTitle = "Save game file";
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(answer.unexpected(), 0) << "the overwrite question is the caller's";
    EXPECT_EQ(QDir::fromNativeSeparators(dialog.FileName), file("flight.gam"));
    EXPECT_EQ(dialog.FileTitle, "flight.gam");
    EXPECT_EQ(startedIn, QDir(dir.path()).absolutePath());
    EXPECT_EQ(filters, QStringList({"Brelkin game file (*.gam) (*.gam)", "All files (*.*) (*)"}));
}

TEST_F(QtCommonDialogTest, CancelledDialogsChangeNothing) {
    dialog.FileName = "kept.gam";
    dialog.FileTitle = "kept.gam";
    {
        ModalAnswer<QFileDialog> answer([](QFileDialog* shown) { shown->reject(); });
        EXPECT_FALSE(dialog.ShowOpen());
        EXPECT_TRUE(answer.answered());
    }
    EXPECT_EQ(dialog.FileName, "kept.gam");
    EXPECT_EQ(dialog.FileTitle, "kept.gam");

    dialog.FontName = "Arial";
    dialog.FontSize = 9;
    {
        ModalAnswer<QFontDialog> answer([](QFontDialog* shown) { shown->reject(); });
        EXPECT_FALSE(dialog.ShowFont());
    }
    EXPECT_EQ(dialog.FontName, "Arial");
    EXPECT_EQ(dialog.FontSize, 9);

    dialog.Color = 0x00FF00;
    {
        ModalAnswer<QColorDialog> answer([](QColorDialog* shown) { shown->reject(); });
        EXPECT_FALSE(dialog.ShowColor());
    }
    EXPECT_EQ(dialog.Color, 0x00FF00);
}

TEST_F(QtCommonDialogTest, FontAndColourChoicesComeBack) {
    // A face the machine has with all its styles.
    const QString family = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    {
        QFont preset;
        ModalAnswer<QFontDialog> answer([&](QFontDialog* shown) {
            preset = shown->currentFont();
            QFont font(family, 14);
            font.setBold(true);
            font.setItalic(true);
            shown->setCurrentFont(font);
            static_cast<QDialog*>(shown)->accept();
        });
        dialog.Flags = CommonDialog::FontScreenAndPrinter | CommonDialog::FontEffects;
        dialog.FontName = family;
        dialog.FontSize = 10;
        ASSERT_TRUE(dialog.ShowFont());
        EXPECT_EQ(preset.family(), family);
        EXPECT_EQ(preset.pointSize(), 10);
        EXPECT_EQ(dialog.FontName, family);
        EXPECT_DOUBLE_EQ(dialog.FontSize, 14.0);
        EXPECT_TRUE(dialog.FontBold);
        EXPECT_TRUE(dialog.FontItalic);
    }
    {
        // "Arial" opens at the face that stands for it here, not at the dialog's default.
        QFont preset;
        ModalAnswer<QFontDialog> answer([&](QFontDialog* shown) {
            preset = shown->currentFont();
            static_cast<QDialog*>(shown)->accept();
        });
        dialog.FontName = "Arial";
        ASSERT_TRUE(dialog.ShowFont());
        EXPECT_EQ(preset.family(), family);
        EXPECT_EQ(dialog.FontName, family);
    }
    {
        QColor startedWith;
        ModalAnswer<QColorDialog> answer([&](QColorDialog* shown) {
            startedWith = shown->currentColor();
            shown->setCurrentColor(QColor(0x10, 0x20, 0x30));
            static_cast<QDialog*>(shown)->accept();
        });
        dialog.Flags = CommonDialog::ColorStartFromValue;
        dialog.Color = 0x0000FF; // red
        ASSERT_TRUE(dialog.ShowColor());
        EXPECT_EQ(startedWith, QColor(Qt::red));
        EXPECT_EQ(dialog.Color, 0x302010);
    }
}

TEST_F(QtCommonDialogTest, FolderPickerReturnsTheChosenFolder) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("games"));
    ModalAnswer<QFileDialog> answer([&](QFileDialog* shown) {
        shown->setDirectory(file("games"));
        static_cast<QDialog*>(shown)->accept();
    });
    dialog.DialogTitle = "Select the directory containing your Brelkin game files";
    dialog.InitDir = dir.path();
    ASSERT_TRUE(dialog.ShowFolder());
    EXPECT_EQ(QDir::fromNativeSeparators(dialog.FolderName), file("games"));
}

// Shows a dialog of type D through show, cancels it and gives the title it was shown with.
template <typename D> std::string titleShownBy(const std::function<bool()>& show) {
    std::string title;
    ModalAnswer<D> answer([&](D* shown) {
        title = shown->windowTitle().toStdString();
        shown->reject();
    });
    EXPECT_FALSE(show());
    EXPECT_TRUE(answer.answered());
    return title;
}

TEST_F(QtCommonDialogTest, FontAndColourKeepTheirOwnTitlesAfterAFolderPicker) {
    const std::string folderTitle = "Select the directory to save templates in";
    dialog.DialogTitle = QString::fromStdString(folderTitle);
    dialog.InitDir = dir.path();
    EXPECT_EQ(titleShownBy<QFileDialog>([&] { return dialog.ShowFolder(); }), folderTitle);
    EXPECT_EQ(titleShownBy<QFontDialog>([&] { return dialog.ShowFont(); }), "Font");
    EXPECT_EQ(titleShownBy<QColorDialog>([&] { return dialog.ShowColor(); }), "Colour");
}

} // namespace
