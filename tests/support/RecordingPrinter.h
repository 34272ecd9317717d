#pragma once

#include "common/printing/Printer.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>
#include <vector>

// A printer for tests: records every call and paints the pages into images of the printable
// area, so tests can read back what was printed where. Letter paper at 96 dpi unless set.
// With setAvailable(false) it behaves as a system without a printer: no job starts.
class RecordingPrinter : public Printer {
public:
    enum class Op { Print, NewPage, EndDoc, PaintPicture, SetOrientation };

    struct Call {
        Op op = Op::Print;
        QString text = {};      // Print
        bool bold = false;      // Print
        double x = 0, y = 0;    // PaintPicture, twips; Print: y of the line's top
        double w = 0, h = 0;    // PaintPicture as passed
        QSize pictureSize = {}; // PaintPicture
        int value = 0;          // SetOrientation
        int page = 0;           // page of the job the call drew on (1 = first)
    };

    explicit RecordingPrinter(int dpi = 96);
    ~RecordingPrinter() override;

    void setAvailable(bool available) { available_ = available; }
    // Paper in portrait, twips; the printable area's offsets from its top-left corner and size.
    void setPaper(int width, int height, int offsetX = 0, int offsetY = 0, int scaleWidth = -1,
                  int scaleHeight = -1);
    // Height of one printed line, twips.
    void setLineHeight(int twips) { lineHeight_ = twips; }

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
    int Orientation() const override { return orientation_; }
    void SetOrientation(int orientation) override;
    QPainter* Painter() override { return open_ ? painter_.get() : nullptr; }

    const std::vector<Call>& calls() const { return calls_; }
    std::size_t count(Op op) const;
    // Lines printed with Print, in order, blank ones included.
    std::vector<Call> lines() const;
    // Pages of every job, in order; the images cover the printable area.
    const std::vector<QImage>& pages() const { return pages_; }
    int jobsEnded() const { return jobsEnded_; }

private:
    bool startJob();
    void startPage();
    void finishPage();
    bool landscape() const { return orientation_ == Landscape; }
    int currentPageOfJob() const;

    int dpi_;
    bool available_ = true;
    int paperWidth_ = 12240;
    int paperHeight_ = 15840;
    int offsetX_ = 0;
    int offsetY_ = 0;
    int scaleWidth_ = 12240;
    int scaleHeight_ = 15840;
    int lineHeight_ = 240;
    int orientation_ = Portrait;
    bool bold_ = false;
    bool open_ = false;
    int currentY_ = 0;
    int jobsEnded_ = 0;
    int pagesBeforeJob_ = 0;
    std::vector<Call> calls_;
    std::vector<QImage> pages_;
    QImage page_;
    std::unique_ptr<QPainter> painter_;
};
