#pragma once

#include "common/printing/PdfPrinter.h"
#include "programmer/window/ClickLabel.h"
#include "programmer/window/Mum.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedCommonDialog.h"
#include "tests/support/ScriptedMessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <ostream>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A recording printer whose calls stay readable after the window has let it go.
class KeptPrinter : public RecordingPrinter {
public:
    explicit KeptPrinter(std::vector<Call>& keep) : keep_(keep) {}
    ~KeptPrinter() override { keep_ = calls(); }

private:
    std::vector<Call>& keep_;
};

// A main window on a temporary program folder with scripted message boxes, and the clicks a
// user makes on it.
class MumFixture : public ::testing::Test {
public:
    void SetUp() override { startWindow(); }

    void startWindow() {
        window.reset();
        window = std::make_unique<Mum>(ProgrammerServices{messages, shell, dialogs,
                                                          [this] { return makePrinter(); },
                                                          [this] { return printerCount; }},
                                       folder.path());
        // Laid out and shown, so that clicks land on buttons of their real size.
        window->show();
    }

    template <typename T = QWidget> T* find(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    void click(const QString& name) { QTest::mouseClick(find<QWidget>(name), Qt::LeftButton); }
    void clickKey(int index) { click(QStringLiteral("Command1_%1").arg(index)); }
    // The button with this printed number on the picture.
    void clickButtonNumber(int printed) {
        click(QStringLiteral("LblBTN_%1").arg(window->data().RecordOfRow(printed) - 1));
    }
    ClickLabel* buttonLabel(int printed) const {
        return find<ClickLabel>(
            QStringLiteral("LblBTN_%1").arg(window->data().RecordOfRow(printed) - 1));
    }
    ClickLabel* infoLabel(int printed) const {
        return find<ClickLabel>(
            QStringLiteral("InfoLabel_%1").arg(window->data().RecordOfRow(printed) - 1));
    }
    QString panel(int i) const { return window->panels[static_cast<std::size_t>(i - 1)]->text(); }
    bool enabled(const QString& name) const { return find<QWidget>(name)->isEnabled(); }

    // The rows of the key-press list.
    QStringList listRows() const {
        QStringList rows;
        auto* list = find<QListWidget>(QStringLiteral("MacroStepsList"));
        for (int k = 0; k < list->count(); ++k) {
            rows.append(list->item(k)->text());
        }
        return rows;
    }

    // Programs a button in the shown mode through the picture, a key and a description.
    void programButton(int printed, const QString& description, int key) {
        clickButtonNumber(printed);
        clickKey(key);
        QTest::keyClicks(find<QLineEdit>(QStringLiteral("Text1")), description);
        messages.queueAnswer(MsgAnswer::Ok);
        click(QStringLiteral("Command2_0"));
    }

    std::unique_ptr<Printer> makePrinter() {
        if (!pdfPath.isEmpty()) {
            return std::make_unique<PdfPrinter>(pdfPath);
        }
        auto printer = std::make_unique<KeptPrinter>(printed.emplace_back());
        printer->setAvailable(printerStarts);
        printers.push_back(printer.get());
        return printer;
    }

    QTemporaryDir folder;
    std::vector<RecordingPrinter*> printers; // every printer handed out, owned by its user
    std::deque<std::vector<RecordingPrinter::Call>> printed; // calls of every printer handed out
    int printerCount = 1;                                    // printers the system offers
    bool printerStarts = true;                               // false: every job fails to start
    QString pdfPath; // when set, jobs are written to this PDF file
    ScriptedMessageBox messages;
    RecordingShell shell;
    ScriptedCommonDialog dialogs;
    std::unique_ptr<Mum> window;
};
