#include "common/printing/DevicePrinter.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QScreen>
#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double MillimetresPerInch = 25.4;

// Paper sizes are defined in millimetres or inches; both convert exactly.
int twipsOf(double millimetres) {
    return static_cast<int>(std::lround(millimetres * TwipsPerInch / MillimetresPerInch));
}

// A picture's natural size is its size on screen.
QSizeF screenTwips(const QImage& picture) {
    double dpiX = 96.0;
    double dpiY = 96.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        dpiX = screen->logicalDotsPerInchX();
        dpiY = screen->logicalDotsPerInchY();
    }
    return {picture.width() * TwipsPerInch / dpiX, picture.height() * TwipsPerInch / dpiY};
}

} // namespace

DevicePrinter::DevicePrinter(std::unique_ptr<QPrinter> device)
    : device_(std::move(device)), font_(QStringLiteral("Arial"), 10) {}

DevicePrinter::~DevicePrinter() {
    EndDoc();
}

bool DevicePrinter::startJob() {
    if (open_) {
        return true;
    }
    if (!canStart() || !painter_.begin(device_.get())) {
        return false;
    }
    open_ = true;
    currentY_ = 0.0;
    return true;
}

QPointF DevicePrinter::toDevice(double xTwips, double yTwips) const {
    return {xTwips * device_->logicalDpiX() / TwipsPerInch,
            yTwips * device_->logicalDpiY() / TwipsPerInch};
}

bool DevicePrinter::Print(const QString& line) {
    if (!startJob()) {
        return false;
    }
    QFont font = font_;
    font.setBold(bold_);
    painter_.setFont(font);
    const QFontMetricsF metrics(font, device_.get());
    if (!line.isEmpty()) {
        painter_.drawText(QPointF(0.0, currentY_ + metrics.ascent()), line);
    }
    currentY_ += metrics.lineSpacing();
    return true;
}

bool DevicePrinter::NewPage() {
    if (!open_) {
        return startJob();
    }
    currentY_ = 0.0;
    return device_->newPage();
}

bool DevicePrinter::EndDoc() {
    if (!open_) {
        return true;
    }
    open_ = false;
    currentY_ = 0.0;
    return painter_.end();
}

int DevicePrinter::Width() const {
    return twipsOf(device_->pageLayout().fullRect(QPageLayout::Millimeter).width());
}

int DevicePrinter::Height() const {
    return twipsOf(device_->pageLayout().fullRect(QPageLayout::Millimeter).height());
}

int DevicePrinter::ScaleWidth() const {
    return twipsOf(device_->pageLayout().paintRect(QPageLayout::Millimeter).width());
}

int DevicePrinter::ScaleHeight() const {
    return twipsOf(device_->pageLayout().paintRect(QPageLayout::Millimeter).height());
}

int DevicePrinter::PhysicalOffsetX() const {
    return twipsOf(device_->pageLayout().paintRect(QPageLayout::Millimeter).left());
}

int DevicePrinter::PhysicalOffsetY() const {
    return twipsOf(device_->pageLayout().paintRect(QPageLayout::Millimeter).top());
}

bool DevicePrinter::PaintPicture(const QImage& picture, double x, double y, double w, double h) {
    if (picture.isNull() || !startJob()) {
        return false;
    }
    const QSizeF natural = screenTwips(picture);
    const double width = w > 0 ? w : natural.width();
    const double height = h > 0 ? h : natural.height();
    painter_.drawImage(QRectF(toDevice(x, y), toDevice(x + width, y + height)), picture);
    return true;
}

int DevicePrinter::Orientation() const {
    return device_->pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void DevicePrinter::SetOrientation(int orientation) {
    device_->setPageOrientation(orientation == Landscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
}
