#include "card_editor/window/MovablePicture.h"

#include "common/platform/FileSystem.h"

#include <QMouseEvent>
#include <QPainter>

MovablePicture::MovablePicture(QWidget* parent) : QWidget(parent) {}

void MovablePicture::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void MovablePicture::clearPicture() {
    setPicture(QImage());
}

bool MovablePicture::loadPicture(const QString& path) {
    QImage loaded = readPicture(path);
    if (loaded.isNull()) {
        return false;
    }
    setPicture(loaded);
    return true;
}

QImage MovablePicture::readPicture(const QString& path) {
    if (path.isEmpty() || !FileSystem::fileExists(path)) {
        return QImage();
    }
    const std::optional<QByteArray> bytes = FileSystem::readFile(path);
    if (!bytes) {
        return QImage();
    }
    return QImage::fromData(*bytes);
}

void MovablePicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
}

void MovablePicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void MovablePicture::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
void MovablePicture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void MovablePicture::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
