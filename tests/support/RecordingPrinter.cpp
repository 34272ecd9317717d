#include "tests/support/RecordingPrinter.h"

#include <algorithm>

RecordingPrinter::RecordingPrinter(int dpi) : dpi_(dpi) {}

RecordingPrinter::~RecordingPrinter() {
    painter_.reset();
}

void RecordingPrinter::setPaper(int width, int height, int offsetX, int offsetY, int scaleWidth,
                                int scaleHeight) {
    paperWidth_ = width;
    paperHeight_ = height;
    offsetX_ = offsetX;
    offsetY_ = offsetY;
    scaleWidth_ = scaleWidth >= 0 ? scaleWidth : width - 2 * offsetX;
    scaleHeight_ = scaleHeight >= 0 ? scaleHeight : height - 2 * offsetY;
}

int RecordingPrinter::Width() const {
    return landscape() ? paperHeight_ : paperWidth_;
}
int RecordingPrinter::Height() const {
    return landscape() ? paperWidth_ : paperHeight_;
}
int RecordingPrinter::ScaleWidth() const {
    return landscape() ? scaleHeight_ : scaleWidth_;
}
int RecordingPrinter::ScaleHeight() const {
    return landscape() ? scaleWidth_ : scaleHeight_;
}
int RecordingPrinter::PhysicalOffsetX() const {
    return landscape() ? offsetY_ : offsetX_;
}
int RecordingPrinter::PhysicalOffsetY() const {
    return landscape() ? offsetX_ : offsetY_;
}

void RecordingPrinter::startPage() {
    page_ = QImage(ScaleWidth() * dpi_ / 1440, ScaleHeight() * dpi_ / 1440, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(dpi_ / 0.0254 + 0.5);
    page_.setDotsPerMeterX(dotsPerMeter);
    page_.setDotsPerMeterY(dotsPerMeter);
    page_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&page_);
    currentY_ = 0;
}

void RecordingPrinter::finishPage() {
    painter_.reset();
    pages_.push_back(page_);
}

bool RecordingPrinter::startJob() {
    if (open_) {
        return true;
    }
    if (!available_) {
        return false;
    }
    open_ = true;
    startPage();
    return true;
}

int RecordingPrinter::currentPageOfJob() const {
    return static_cast<int>(pages_.size()) - pagesBeforeJob_ + 1;
}

bool RecordingPrinter::Print(const QString& line) {
    if (!startJob()) {
        return false;
    }
    Call call{Op::Print, line, bold_};
    call.y = currentY_;
    call.page = currentPageOfJob();
    calls_.push_back(call);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, lineHeight_ * dpi_ / 1440 * 4 / 5));
    font.setBold(bold_);
    painter_->setFont(font);
    painter_->drawText(QPointF(0, (currentY_ + lineHeight_) * dpi_ / 1440.0), line);
    currentY_ += lineHeight_;
    return true;
}

bool RecordingPrinter::NewPage() {
    if (!startJob()) {
        return false;
    }
    calls_.push_back({Op::NewPage});
    finishPage();
    startPage();
    return true;
}

bool RecordingPrinter::EndDoc() {
    calls_.push_back({Op::EndDoc});
    if (!open_) {
        return true;
    }
    finishPage();
    open_ = false;
    pagesBeforeJob_ = static_cast<int>(pages_.size());
    ++jobsEnded_;
    return true;
}

bool RecordingPrinter::PaintPicture(const QImage& picture, double x, double y, double w, double h) {
    if (picture.isNull() || !startJob()) {
        return false;
    }
    Call call{Op::PaintPicture};
    call.x = x;
    call.y = y;
    call.w = w;
    call.h = h;
    call.pictureSize = picture.size();
    call.page = currentPageOfJob();
    calls_.push_back(call);
    const double width = w > 0 ? w : picture.width() * 15.0;
    const double height = h > 0 ? h : picture.height() * 15.0;
    const double scale = dpi_ / 1440.0;
    painter_->drawImage(QRectF(x * scale, y * scale, width * scale, height * scale), picture);
    return true;
}

void RecordingPrinter::SetOrientation(int orientation) {
    Call call{Op::SetOrientation};
    call.value = orientation;
    calls_.push_back(call);
    orientation_ = orientation;
}

std::size_t RecordingPrinter::count(Op op) const {
    return static_cast<std::size_t>(std::count_if(
        calls_.begin(), calls_.end(), [op](const Call& call) { return call.op == op; }));
}

std::vector<RecordingPrinter::Call> RecordingPrinter::lines() const {
    std::vector<Call> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [](const Call& call) { return call.op == Op::Print; });
    return out;
}
