#include "common/printing/QtPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

std::unique_ptr<QPrinter> defaultPrinter(const QString& documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        printer->setPrinterName(info.printerName());
    }
    printer->setDocName(documentName);
    return printer;
}

} // namespace

QtPrinter::QtPrinter(const QString& documentName) : DevicePrinter(defaultPrinter(documentName)) {}

bool QtPrinter::canStart() const {
    // Without a printer QPrinter quietly turns into a PDF writer with no file.
    return device().outputFormat() == QPrinter::NativeFormat && !device().printerName().isEmpty() &&
           device().isValid();
}
