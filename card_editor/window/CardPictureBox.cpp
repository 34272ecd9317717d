#include "card_editor/window/CardPictureBox.h"

#include "card_editor/card/CardLayout.h"
#include "card_editor/window/MovablePicture.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

CardPictureBox::CardPictureBox(QWidget* parent) : QWidget(parent) {
    resize(CardPictureWidth, CardPictureHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

bool CardPictureBox::loadPicture(const QString& path) {
    // The movable picture's reader: it refuses pipes and devices, and never serves a cached
    // copy of a file rewritten since.
    const QImage loaded = MovablePicture::readPicture(path);
    if (loaded.isNull()) {
        return false;
    }
    picture_ = QPixmap::fromImage(loaded);
    resize(picture_.deviceIndependentSize().toSize());
    update();
    return true;
}

void CardPictureBox::clearPicture() {
    picture_ = QPixmap();
    update();
}

void CardPictureBox::setGridStep(int step) {
    gridStep_ = std::max(step, 0);
    update();
}

void CardPictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);
    }
    if (gridStep_ > 0) {
        grid_.paintInverted(painter, size(), gridStep_, event->rect());
    }
}
