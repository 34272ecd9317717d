#include "programmer/window/ControllerPicture.h"

#include "programmer/window/ClickLabel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace {

constexpr int pictureWidth = 640;
constexpr int pictureHeight = 712;
constexpr int buttonRadius = 13;
constexpr int labelHeight = 18;

// Connector line j joins the button of this label index to its text label.
constexpr std::array<int, ControllerPicture::LineCount> infoLabelOfLines = {27, 23, 18, 14,
                                                                            26, 22, 10, 6};

constexpr const char* modeNames[ControllerPicture::ModeCount] = {"Views Out", "Views In", "Wingman",
                                                                 "Radar/Target", "Weapons"};

// Where a button sits and where its text label goes.
struct ButtonPlace {
    QPoint centre;
    QRect label;
    Qt::Alignment align;
};

constexpr int leftColumnX = 34;
constexpr int rightColumnX = pictureWidth - 34;
constexpr int sideLabelWidth = 150;
constexpr int stairTop = 424;  // top of the highest label of the row of buttons 22 to 17
constexpr int stairStep = 22;  // each label of that row lies one step lower than the last
constexpr int stairRowY = 574; // the row of buttons 22 to 17
constexpr int lowerRowY = 676; // buttons 5 to 10

ButtonPlace leftColumn(int y) {
    return {{leftColumnX, y},
            {leftColumnX + 18, y - labelHeight / 2, sideLabelWidth, labelHeight},
            Qt::AlignLeft | Qt::AlignVCenter};
}

ButtonPlace rightColumn(int y) {
    return {{rightColumnX, y},
            {rightColumnX - 18 - sideLabelWidth, y - labelHeight / 2, sideLabelWidth, labelHeight},
            Qt::AlignRight | Qt::AlignVCenter};
}

// Buttons 22 to 17, left to right; step 0 is button 22. Each label hangs to the right of the
// line that rises from its button, one step lower than the label before, so no line crosses a
// label.
ButtonPlace stairRow(int step) {
    const int x = 196 + 32 * step;
    return {{x, stairRowY},
            {x - 4, stairTop + stairStep * step, sideLabelWidth, labelHeight},
            Qt::AlignLeft | Qt::AlignVCenter};
}

ButtonPlace lowerRow(int x, int labelWidth, int labelY) {
    return {{x, lowerRowY},
            {x - labelWidth / 2, labelY, labelWidth, labelHeight},
            Qt::AlignHCenter | Qt::AlignVCenter};
}

ButtonPlace placeOfButton(int printed) {
    constexpr int firstRow = 140;
    constexpr int rowStep = 36;
    constexpr int columnTop = 226;
    switch (printed) {
    case 1:
        return leftColumn(firstRow);
    case 2:
        return leftColumn(firstRow + rowStep);
    case 3:
        return rightColumn(firstRow);
    case 4:
        return rightColumn(firstRow + rowStep);
    case 5:
        return lowerRow(60, 86, 642);
    case 6:
        return lowerRow(150, 86, 642);
    case 7: // labels of the two middle buttons sit higher, joined by lines
        return {
            {260, lowerRowY}, {195, 606, 110, labelHeight}, Qt::AlignHCenter | Qt::AlignVCenter};
    case 8:
        return {
            {380, lowerRowY}, {335, 606, 110, labelHeight}, Qt::AlignHCenter | Qt::AlignVCenter};
    case 9:
        return lowerRow(490, 86, 642);
    case 10:
        return lowerRow(580, 86, 642);
    default:
        break;
    }
    if (printed >= 11 && printed <= 16) {
        return rightColumn(columnTop + rowStep * (printed - 11));
    }
    if (printed >= 17 && printed <= 22) {
        return stairRow(22 - printed);
    }
    return leftColumn(columnTop + rowStep * (printed - 23)); // 23 to 28
}

// The modes' squares and lamps sit in a row along the top edge.
int modeCentreX(int mode) {
    return 200 + 60 * mode;
}
constexpr int lampY = 30;
constexpr int modeSquareTop = 48;
constexpr int modeSquareSize = 28;

QPixmap drawLamp() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(8, 8), 8);
    glow.setColorAt(0.0, QColor(255, 250, 200));
    glow.setColorAt(0.5, QColor(255, 190, 40));
    glow.setColorAt(1.0, QColor(200, 90, 0));
    p.setBrush(glow);
    p.setPen(QPen(QColor(90, 40, 0), 1));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    return pixmap;
}

QPixmap drawPaddle(bool left) {
    QPixmap pixmap(54, 100);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    // A lever pivoting at the body's corner, its blade leaning outwards.
    if (left) {
        shape.moveTo(40, 96);
        shape.cubicTo(50, 60, 30, 20, 8, 4);
        shape.cubicTo(2, 16, 14, 60, 20, 96);
    } else {
        shape.moveTo(14, 96);
        shape.cubicTo(4, 60, 24, 20, 46, 4);
        shape.cubicTo(52, 16, 40, 60, 34, 96);
    }
    shape.closeSubpath();
    QLinearGradient metal(0, 0, 54, 0);
    metal.setColorAt(0.0, QColor(150, 156, 166));
    metal.setColorAt(0.5, QColor(225, 228, 234));
    metal.setColorAt(1.0, QColor(120, 126, 136));
    p.setBrush(metal);
    p.setPen(QPen(QColor(40, 40, 46), 1.5));
    p.drawPath(shape);
    return pixmap;
}

} // namespace

ControllerPicture::ControllerPicture(const std::function<int(int)>& printedNumberOfRecord,
                                     QWidget* parent)
    : QWidget(parent) {
    for (int i = 0; i < ButtonCount; ++i) {
        printed_[static_cast<std::size_t>(i)] = printedNumberOfRecord(i + 1);
    }
    setObjectName(QStringLiteral("ControllerPicture"));
    setAccessibleName(QStringLiteral("Picture of the Brelkin controller"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);

    QFont numberFont = font();
    numberFont.setBold(true);
    numberFont.setPointSizeF(9.5);
    QFont textFont = font();
    textFont.setPointSizeF(8);

    for (int i = 0; i < ButtonCount; ++i) {
        const int printed = printed_[static_cast<std::size_t>(i)];
        const ButtonPlace place = placeOfButton(printed);

        auto* number = new ClickLabel(QString::number(printed), this);
        number->setObjectName(QStringLiteral("LblBTN_%1").arg(i));
        number->setAccessibleName(QStringLiteral("Button %1").arg(printed));
        number->setAlignment(Qt::AlignCenter);
        number->setFont(numberFont);
        number->setForeColor(Qt::white);
        this->place(number, QRect(place.centre.x() - buttonRadius, place.centre.y() - buttonRadius,
                                  2 * buttonRadius, 2 * buttonRadius));
        number->setCursor(Qt::PointingHandCursor);
        number->setKeyboardClickable();
        connect(number, &ClickLabel::clicked, this, [this, i] { emit buttonClicked(i); });
        buttons_[static_cast<std::size_t>(i)] = number;

        auto* info = new ClickLabel(this);
        info->setObjectName(QStringLiteral("InfoLabel_%1").arg(i));
        info->setAccessibleName(QStringLiteral("Text of button %1").arg(printed));
        info->setAlignment(place.align);
        info->setFont(textFont);
        info->setForeColor(QColor(236, 238, 242));
        info->setElided(true);
        this->place(info, place.label);
        info->setCursor(Qt::PointingHandCursor);
        connect(info, &ClickLabel::clicked, this, [this, i] { emit infoLabelClicked(i); });
        infos_[static_cast<std::size_t>(i)] = info;
    }

    for (int j = 0; j < LineCount; ++j) {
        const int labelIndex = infoLabelOfLines[static_cast<std::size_t>(j)];
        const ButtonPlace place = placeOfButton(printed_[static_cast<std::size_t>(labelIndex)]);
        const int top = place.label.bottom() + 1;
        const int bottom = place.centre.y() - buttonRadius;
        auto* line = new QWidget(this);
        line->setObjectName(QStringLiteral("Line1_%1").arg(j));
        line->setAccessibleName(QStringLiteral("Line to the text of button %1")
                                    .arg(printed_[static_cast<std::size_t>(labelIndex)]));
        line->setAutoFillBackground(true);
        QPalette p = line->palette();
        p.setColor(QPalette::Window, QColor(200, 204, 212));
        line->setPalette(p);
        this->place(line, QRect(place.centre.x() - 1, top, 2, bottom - top));
        lines_[static_cast<std::size_t>(j)] = line;
    }

    for (int k = 0; k < PaddleCount; ++k) {
        auto* paddle = new QLabel(this);
        paddle->setObjectName(QStringLiteral("Img_Paddle_%1").arg(k));
        paddle->setAccessibleName(k == 0 ? QStringLiteral("Left paddle")
                                         : QStringLiteral("Right paddle"));
        paddle->setPixmap(drawPaddle(k == 0));
        paddle->setScaledContents(true);
        place(paddle, QRect(k == 0 ? 14 : pictureWidth - 14 - 54, 14, 54, 100));
        paddles_[static_cast<std::size_t>(k)] = paddle;
    }

    QFont squareFont = font();
    squareFont.setBold(true);
    squareFont.setPointSizeF(9);
    for (int m = 0; m < ModeCount; ++m) {
        const QString name = QString::fromLatin1(modeNames[m]);
        auto* lamp = new QLabel(this);
        lamp->setObjectName(QStringLiteral("IMG_light_%1").arg(m));
        lamp->setAccessibleName(QStringLiteral("Mode lamp %1").arg(name));
        lamp->setPixmap(drawLamp());
        lamp->setScaledContents(true);
        place(lamp, QRect(modeCentreX(m) - 8, lampY - 8, 16, 16));
        lamps_[static_cast<std::size_t>(m)] = lamp;

        auto* square = new ClickLabel(QString::number(m + 1), this);
        square->setObjectName(QStringLiteral("LblMODE_%1").arg(m));
        square->setAccessibleName(QStringLiteral("Mode square %1").arg(name));
        square->setToolTip(name);
        square->setAlignment(Qt::AlignCenter);
        square->setFont(squareFont);
        square->setForeColor(QColor(30, 32, 36));
        place(square, QRect(modeCentreX(m) - modeSquareSize / 2, modeSquareTop, modeSquareSize,
                            modeSquareSize));
        square->setCursor(Qt::PointingHandCursor);
        square->setKeyboardClickable();
        connect(square, &ClickLabel::clicked, this, [this, m] { emit modeClicked(m); });
        modes_[static_cast<std::size_t>(m)] = square;
    }

    // Tab goes through the buttons by their printed numbers, then the mode squares (made last).
    std::array<ClickLabel*, ButtonCount> byNumber{};
    for (int i = 0; i < ButtonCount; ++i) {
        const int printed = printed_[static_cast<std::size_t>(i)];
        if (printed >= 1 && printed <= ButtonCount) {
            byNumber[static_cast<std::size_t>(printed - 1)] = buttons_[static_cast<std::size_t>(i)];
        }
    }
    for (std::size_t k = 1; k < byNumber.size(); ++k) {
        if (byNumber[k - 1] != nullptr && byNumber[k] != nullptr) {
            setTabOrder(byNumber[k - 1], byNumber[k]);
        }
    }
}

ClickLabel* ControllerPicture::buttonLabel(int index) const {
    return index >= 0 && index < ButtonCount ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

ClickLabel* ControllerPicture::infoLabel(int index) const {
    return index >= 0 && index < ButtonCount ? infos_[static_cast<std::size_t>(index)] : nullptr;
}

QWidget* ControllerPicture::line(int index) const {
    return index >= 0 && index < LineCount ? lines_[static_cast<std::size_t>(index)] : nullptr;
}

QLabel* ControllerPicture::paddle(int index) const {
    return index >= 0 && index < PaddleCount ? paddles_[static_cast<std::size_t>(index)] : nullptr;
}

QLabel* ControllerPicture::lamp(int index) const {
    return index >= 0 && index < ModeCount ? lamps_[static_cast<std::size_t>(index)] : nullptr;
}

ClickLabel* ControllerPicture::modeSquare(int index) const {
    return index >= 0 && index < ModeCount ? modes_[static_cast<std::size_t>(index)] : nullptr;
}

int ControllerPicture::infoLabelOfLine(int line) {
    return line >= 0 && line < LineCount ? infoLabelOfLines[static_cast<std::size_t>(line)] : -1;
}

QSize ControllerPicture::sizeHint() const {
    return {pictureWidth, pictureHeight};
}

QSize ControllerPicture::minimumSizeHint() const {
    return {static_cast<int>(std::ceil(pictureWidth * MinimumScale)),
            static_cast<int>(std::ceil(pictureHeight * MinimumScale))};
}

void ControllerPicture::place(QWidget* widget, const QRect& rect) {
    placed_.push_back({widget, rect, widget->font()});
    widget->setGeometry(rect);
}

void ControllerPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void ControllerPicture::layOut() {
    const double fit = std::min(static_cast<double>(width()) / pictureWidth,
                                static_cast<double>(height()) / pictureHeight);
    scale_ = std::clamp(fit, MinimumScale, 1.0);
    left_ = std::max(0, static_cast<int>((width() - pictureWidth * scale_) / 2));
    const auto scaled = [this](int v) { return static_cast<int>(std::lround(v * scale_)); };
    for (const Placed& item : placed_) {
        // Edges are scaled, not sizes, so that neighbours stay apart.
        const int x = scaled(item.rect.left());
        const int y = scaled(item.rect.top());
        item.widget->setGeometry(left_ + x, y, scaled(item.rect.right() + 1) - x,
                                 scaled(item.rect.bottom() + 1) - y);
        QFont font = item.font;
        font.setPointSizeF(item.font.pointSizeF() * scale_);
        item.widget->setFont(font);
    }
    update();
}

void ControllerPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(left_, 0);
    p.scale(scale_, scale_);

    // The body: a dark shell with a raised face plate.
    const QRectF body(6, 6, pictureWidth - 12, pictureHeight - 12);
    QLinearGradient shell(body.topLeft(), body.bottomLeft());
    shell.setColorAt(0.0, QColor(58, 63, 72));
    shell.setColorAt(1.0, QColor(30, 33, 39));
    p.setPen(QPen(QColor(12, 12, 14), 2));
    p.setBrush(shell);
    p.drawRoundedRect(body, 44, 44);
    p.setPen(QPen(QColor(84, 90, 102), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(10, 10, -10, -10), 36, 36);

    // The maker's name in the free middle of the face plate.
    QFont brand = font();
    brand.setBold(true);
    brand.setPointSizeF(22);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(brand);
    p.setPen(QColor(96, 104, 118));
    p.drawText(QRect(200, 250, 240, 40), Qt::AlignCenter, QStringLiteral("BRELKIN"));
    QFont sub = font();
    sub.setPointSizeF(8);
    p.setFont(sub);
    p.drawText(QRect(200, 290, 240, 20), Qt::AlignCenter,
               QStringLiteral("28 buttons  \u00b7  5 modes"));

    // Mode panel: a lamp socket above each square and the mode's name below it.
    QFont modeFont = font();
    modeFont.setPointSizeF(6.5);
    p.setFont(modeFont);
    for (int m = 0; m < ModeCount; ++m) {
        const int x = modeCentreX(m);
        p.setPen(QPen(QColor(20, 20, 22), 1));
        p.setBrush(QColor(70, 48, 30));
        p.drawEllipse(QPointF(x, lampY), 7, 7);
        p.setBrush(QColor(196, 202, 212));
        p.setPen(QPen(QColor(20, 20, 22), 1.5));
        p.drawRoundedRect(
            QRectF(x - modeSquareSize / 2.0, modeSquareTop, modeSquareSize, modeSquareSize), 3, 3);
        p.setPen(QColor(200, 204, 212));
        p.drawText(QRect(x - 30, modeSquareTop + modeSquareSize + 2, 60, 14), Qt::AlignCenter,
                   QString::fromLatin1(modeNames[m]));
    }

    // Button sockets under the number labels.
    for (int i = 0; i < ButtonCount; ++i) {
        const QPoint c = placeOfButton(printed_[static_cast<std::size_t>(i)]).centre;
        QRadialGradient cap(QPointF(c) - QPointF(3, 3), buttonRadius + 4);
        cap.setColorAt(0.0, QColor(88, 94, 106));
        cap.setColorAt(1.0, QColor(22, 24, 28));
        p.setBrush(cap);
        p.setPen(QPen(QColor(150, 156, 168), 1.5));
        p.drawEllipse(QPointF(c), buttonRadius, buttonRadius);
    }
}
