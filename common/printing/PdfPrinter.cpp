#include "common/printing/PdfPrinter.h"

#include <QPageSize>
#include <QPrinter>

namespace {

std::unique_ptr<QPrinter> pdfFile(const QString& path, PdfPrinter::Paper paper,
                                  const QMarginsF& unprintablePoints) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(
        QPageSize(paper == PdfPrinter::Paper::A4 ? QPageSize::A4 : QPageSize::Letter));
    printer->setPageMargins(unprintablePoints, QPageLayout::Point);
    return printer;
}

} // namespace

PdfPrinter::PdfPrinter(const QString& path, Paper paper, const QMarginsF& unprintablePoints)
    : DevicePrinter(pdfFile(path, paper, unprintablePoints)) {}

bool PdfPrinter::canStart() const {
    return !device().outputFileName().isEmpty();
}
