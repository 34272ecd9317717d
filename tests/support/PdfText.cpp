#include "tests/support/PdfText.h"

#include <algorithm>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

QRectF PdfPage::textBounds() const {
    QRectF bounds;
    for (const PdfWord& word : words) {
        bounds = bounds.isNull() ? word.box : bounds.united(word.box);
    }
    return bounds;
}

const PdfWord* PdfPage::find(const QString& text) const {
    for (const PdfWord& word : words) {
        if (word.text == text) {
            return &word;
        }
    }
    return nullptr;
}

QByteArray runTool(const QString& program, const QStringList& arguments, bool* ok) {
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForFinished(60000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok != nullptr) {
        *ok = done;
    }
    return done ? process.readAllStandardOutput() : QByteArray();
}

std::vector<PdfPage> readPdfWords(const QString& path) {
    const QString xhtml =
        QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {"-bbox", path, "-"}));
    static const QString number = QStringLiteral("\"([\\d.]+)\"");
    static const QRegularExpression pageTag(
        QStringLiteral("<page width=%1 height=%1>").arg(number));
    static const QRegularExpression wordTag(
        QStringLiteral("<word xMin=%1 yMin=%1 xMax=%1 yMax=%1>([^<]*)</word>").arg(number));
    std::vector<PdfPage> pages;
    for (const QString& line : xhtml.split(u'\n')) {
        if (const auto page = pageTag.match(line); page.hasMatch()) {
            pages.push_back({page.captured(1).toDouble(), page.captured(2).toDouble(), {}});
        } else if (const auto word = wordTag.match(line); word.hasMatch() && !pages.empty()) {
            const QPointF topLeft(word.captured(1).toDouble(), word.captured(2).toDouble());
            const QPointF bottomRight(word.captured(3).toDouble(), word.captured(4).toDouble());
            pages.back().words.push_back({word.captured(5), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

std::vector<QImage> renderPages(const QString& path) {
    QTemporaryDir dir;
    bool ok = false;
    runTool(QStringLiteral("pdftoppm"), {"-r", "72", "-gray", path, dir.filePath("page")}, &ok);
    std::vector<QImage> pages;
    if (!ok) {
        return pages;
    }
    // Page numbers are padded to one width, so the names sort in page order.
    for (const QString& name :
         QDir(dir.path()).entryList({"page-*.pgm"}, QDir::Files, QDir::Name)) {
        pages.push_back(QImage(dir.filePath(name)));
    }
    return pages;
}
