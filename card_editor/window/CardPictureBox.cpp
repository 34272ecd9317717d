#include "card_editor/window/CardPictureBox.h"

#include "card_editor/card/CardLayout.h"

#include <QPainter>

CardPictureBox::CardPictureBox(QWidget* parent) : QWidget(parent) {
    resize(CardPictureWidth, CardPictureHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

bool CardPictureBox::loadPicture(const QString& path) {
    QPixmap loaded;
    if (!loaded.load(path)) {
        return false;
    }
    picture_ = loaded;
    resize(picture_.deviceIndependentSize().toSize());
    update();
    return true;
}

void CardPictureBox::clearPicture() {
    picture_ = QPixmap();
    update();
}

void CardPictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}
