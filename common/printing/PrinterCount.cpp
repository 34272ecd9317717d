#include "common/printing/Printer.h"

#include <QPrinterInfo>

int PrinterCount() {
    return static_cast<int>(QPrinterInfo::availablePrinters().size());
}
