#pragma once

#include "card_editor/window/CardGrid.h"

#include <QPixmap>
#include <QWidget>

// The card: a picture box that takes the size of its picture and holds the boxes and the
// movable picture. Without a picture it keeps its designed size.
class CardPictureBox : public QWidget {
    Q_OBJECT

public:
    explicit CardPictureBox(QWidget* parent = nullptr);

    const QPixmap& picture() const { return picture_; }
    // Loads a picture file; false (and nothing changed) when it cannot be read.
    bool loadPicture(const QString& path);
    void clearPicture();
    // The grid drawn over the picture, never into it; 0 for none.
    int gridStep() const { return gridStep_; }
    void setGridStep(int step);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    int gridStep_ = 0;
    CardGrid grid_;
};
