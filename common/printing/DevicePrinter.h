#pragma once

#include "common/printing/Printer.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

// A printer over a QPrinter: the job is a QPainter session on it, twips are converted with
// the device's resolution. The forms differ only in how the QPrinter is set up.
class DevicePrinter : public Printer {
public:
    ~DevicePrinter() override;
    DevicePrinter(const DevicePrinter&) = delete;
    DevicePrinter& operator=(const DevicePrinter&) = delete;

    bool Print(const QString& line) override;
    void SetFontBold(bool bold) override { bold_ = bold; }
    bool FontBold() const override { return bold_; }
    bool NewPage() override;
    bool EndDoc() override;
    bool JobOpen() const override { return open_; }
    int Width() const override;
    int Height() const override;
    int ScaleWidth() const override;
    int ScaleHeight() const override;
    int PhysicalOffsetX() const override;
    int PhysicalOffsetY() const override;
    bool PaintPicture(const QImage& picture, double x, double y, double w = 0,
                      double h = 0) override;
    int Orientation() const override;
    void SetOrientation(int orientation) override;
    QPainter* Painter() override { return open_ ? &painter_ : nullptr; }

protected:
    explicit DevicePrinter(std::unique_ptr<QPrinter> device);
    QPrinter& device() { return *device_; }
    const QPrinter& device() const { return *device_; }
    // Whether a job may start on the device at all.
    virtual bool canStart() const { return true; }

private:
    bool startJob();
    QPointF toDevice(double xTwips, double yTwips) const;

    std::unique_ptr<QPrinter> device_;
    QPainter painter_;
    QFont font_;
    bool bold_ = false;
    bool open_ = false;
    double currentY_ = 0.0; // device pixels from the printable area's top
};
