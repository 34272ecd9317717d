#include "common/printing/PrintRTFWordWrap.h"
#include "common/printing/QtPrinter.h"
#include "common/printing/tests/PrintableBox.h"
#include "tests/support/PdfText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Folders the PDF queue may write to: its configured one, and where it puts jobs of users
// it does not know.
QStringList pdfFolders() {
    QStringList folders;
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression out(QStringLiteral("^\\s*Out\\s+(\\S+)"));
        for (const QString& line : QString::fromUtf8(config.readAll()).split(u'\n')) {
            if (const auto match = out.match(line); match.hasMatch()) {
                QString folder = match.captured(1);
                folders << folder.replace(QStringLiteral("${HOME}"), QDir::homePath());
            }
        }
    }
    folders << QDir::home().filePath(QStringLiteral("PDF"))
            << QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
    return folders;
}

QString waitForPdf(const QString& token, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    const QStringList folders = pdfFolders();
    while (timer.elapsed() < timeoutMs) {
        for (const QString& folder : folders) {
            const QStringList found =
                QDir(folder).entryList({QStringLiteral("*%1*.pdf").arg(token)}, QDir::Files);
            if (!found.isEmpty()) {
                // Give the queue a moment to finish writing.
                QThread::msleep(300);
                return QDir(folder).filePath(found.first());
            }
        }
        QThread::msleep(200);
    }
    return {};
}

bool isPdfQueue(const QString& printerName) {
    bool ok = false;
    const QByteArray devices = runTool(QStringLiteral("lpstat"), {"-v", printerName}, &ok);
    return ok && devices.contains("cups-pdf:");
}

TEST(CupsPrinting, AJobOnTheDefaultPrinterArrivesWithEveryPage) {
    if (PrinterCount() < 1) {
        GTEST_SKIP() << "no printer: cupsd is not running or has no queue "
                        "(scripts/start-cups.sh sets one up)";
    }
    const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull() || !isPdfQueue(queue.printerName())) {
        GTEST_SKIP() << "the default printer is not a cups-pdf queue";
    }
    const QString token = QStringLiteral("printcheck%1x%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(QDateTime::currentMSecsSinceEpoch());
    QtPrinter printer(token);
    ASSERT_TRUE(printer.Print(QStringLiteral("First page")));
    ASSERT_NE(printer.Painter(), nullptr);
    // Text for a little more than one page inside inch margins, then one more page.
    const int lines = (printer.Height() - 2 * 1440) / 300 + 10;
    PrintableBox box(numberedParagraphs(lines, 2));
    PrintRTFRect(printer, box, 1440, 1440, 1440, 1440, static_cast<float>(printer.Width()),
                 static_cast<float>(printer.Height()));
    EXPECT_TRUE(printer.NewPage());
    EXPECT_TRUE(printer.Print(QStringLiteral("Last page")));
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_GE(box.passes, 2);

    const QString pdf = waitForPdf(token, 60000);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived from the queue";
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    QFile::remove(pdf);
    static const QRegularExpression pagesLine(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto pages = pagesLine.match(info);
    ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
    EXPECT_EQ(pages.captured(1).toInt(), box.passes + 1);
    static const QRegularExpression sizeLine(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"));
    const auto size = sizeLine.match(info);
    ASSERT_TRUE(size.hasMatch());
    EXPECT_NEAR(size.captured(1).toDouble() * 20, printer.Width(), 40);
    EXPECT_NEAR(size.captured(2).toDouble() * 20, printer.Height(), 40);
}

} // namespace
