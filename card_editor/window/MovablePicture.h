#pragma once

#include <QImage>
#include <QWidget>

// A picture stretched to fill its rectangle, drawn at paint time so that any size costs only
// the pixels shown. The card's movable picture and the picture-selection preview are these.
// It takes the mouse presses made on it, so none reaches the widgets beneath.
class MovablePicture : public QWidget {
    Q_OBJECT

public:
    explicit MovablePicture(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    void clearPicture();

    // Loads a picture file; false, with the picture unchanged, when the file cannot be read
    // as a picture.
    bool loadPicture(const QString& path);

    // The picture in a file, or a null image when it is not one. Pipes and devices are
    // refused, so this never waits.
    static QImage readPicture(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};
