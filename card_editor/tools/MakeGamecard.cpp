// Draws the card picture "Gamecard.bmp": the controller's face with its 28 numbered buttons,
// each beside the box the built-in layout gives it, joined to that box by a short line.
// Usage: make_gamecard OUTPUT.bmp

#include "card_editor/card/CardLayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

struct Badge {
    QPointF centre;
    qreal radius;
    QPointF leaderEnd; // where the line meets the button's box
};

QPointF rightMiddle(const BoxRect& r) {
    return {qreal(r.left + r.width), r.top + r.height / 2.0};
}
QPointF leftMiddle(const BoxRect& r) {
    return {qreal(r.left), r.top + r.height / 2.0};
}
QPointF topMiddle(const BoxRect& r) {
    return {r.left + r.width / 2.0, qreal(r.top)};
}

// Where each button is drawn: in the gaps the box layout leaves next to its box.
Badge badgeOf(int button, const CardLayout& layout) {
    const BoxRect& box = layout.boxes[button - 1];
    const qreal r = 8;
    const qreal cy = box.top + box.height / 2.0;
    switch (button) {
    case 1:
    case 2:
        return {{17, cy}, r, leftMiddle(box)};
    case 3:
        return {{107, cy}, r, leftMiddle(box)};
    case 4:
        return {{192.5, cy}, 6.5, leftMiddle(box)};
    case 5:
        return {{129, 515}, r, {110, qreal(box.top)}};
    case 10:
        return {{397, 515}, r, {418, qreal(box.top)}};
    default:
        break;
    }
    if (button >= 6 && button <= 9) {
        return {{topMiddle(box).x(), 515}, r, topMiddle(box)};
    }
    if (button >= 11 && button <= 16) {
        return {{398, button == 11 ? 487 : cy}, r, leftMiddle(box)};
    }
    if (button >= 17 && button <= 22) {
        return {{topMiddle(box).x(), 63}, r, topMiddle(box)};
    }
    return {{128, button == 28 ? 487 : cy}, r, rightMiddle(box)}; // 23 to 28
}

void drawBadge(QPainter& p, const QPointF& centre, qreal radius, int number) {
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(48, 48, 56));
    p.drawEllipse(centre, radius, radius);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(number >= 10 ? 8 : 10);
    p.setFont(font);
    p.setPen(Qt::white);
    const QRectF cell(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawText(cell, Qt::AlignCenter, QString::number(number));
}

QImage drawCard() {
    const CardLayout& layout = builtInLayout();
    QImage image(CardPictureWidth, CardPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The controller's face, then its display where the movable picture goes.
    // The face holds every button; its lower left wing carries buttons 1 to 4.
    QPainterPath face;
    face.addRoundedRect(QRectF(4, 44, 519, 532), 28, 28);
    QPainterPath wing;
    wing.addRoundedRect(QRectF(4, 400, 272, 246), 28, 28);
    const QPainterPath body = face.united(wing);
    p.setPen(QPen(QColor(90, 90, 96), 3));
    p.setBrush(QColor(206, 208, 212));
    p.drawPath(body);
    const BoxRect& pic = layout.picture;
    const QRectF display(pic.left + 14, pic.top + 8, pic.width - 28, pic.height - 16);
    p.setPen(QPen(QColor(60, 60, 64), 4));
    p.setBrush(QColor(38, 46, 42));
    p.drawRoundedRect(display, 8, 8);
    p.setPen(QPen(QColor(70, 90, 80), 1));
    for (int y = int(display.top()) + 12; y < display.bottom() - 6; y += 12) {
        p.drawLine(QPointF(display.left() + 10, y), QPointF(display.right() - 10, y));
    }

    // The legend area below the face, headed by a thin rule.
    p.setPen(QPen(QColor(150, 150, 156), 1));
    p.drawLine(QPointF(12, 646), QPointF(515, 646));

    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    for (int button = 1; button <= 28; ++button) {
        const Badge b = badgeOf(button, layout);
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.drawLine(b.centre, b.leaderEnd);
    }
    for (int button = 1; button <= 28; ++button) {
        const Badge b = badgeOf(button, layout);
        drawBadge(p, b.centre, b.radius, button);
    }
    // The lowest row shows buttons 5 to 10 once more, in one mode: number them under it.
    for (int button = 5; button <= 10; ++button) {
        const BoxRect& box = layout.boxes[button + 23];
        drawBadge(p, {box.left + box.width / 2.0, 703}, 7, button);
    }
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_gamecard OUTPUT.bmp\n");
        return 2;
    }
    if (!drawCard().save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
