#pragma once

#include "common/printing/DevicePrinter.h"

// The system's default printer in its own format, without a print dialog. With no printer
// installed every job fails to start.
class QtPrinter : public DevicePrinter {
public:
    explicit QtPrinter(const QString& documentName = QString());

protected:
    bool canStart() const override;
};
