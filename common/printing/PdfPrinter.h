#pragma once

#include "common/printing/DevicePrinter.h"

#include <QMarginsF>

// A printer that writes its job to a PDF file. The margins, in points, stand for the border
// a real printer cannot reach.
class PdfPrinter : public DevicePrinter {
public:
    enum class Paper { A4, Letter };

    explicit PdfPrinter(const QString& path, Paper paper = Paper::A4,
                        const QMarginsF& unprintablePoints = QMarginsF());

protected:
    bool canStart() const override;
};
