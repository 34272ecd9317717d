// Capturing the card, as it is shown, into a bitmap file in the "Images" folder.
#include "card_editor/window/FrmTemplate.h"

#include "card_editor/card/CaptureFile.h"
#include "card_editor/window/CardPictureBox.h"
#include "common/platform/MessageBox.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

QImage FrmTemplate::CaptureLayout() {
    // One image pixel per card pixel, whatever the screen's pixel ratio; the card's children
    // (boxes, picture, grid) are drawn as they are shown.
    QImage image(backgroundImage_->size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::white);
    backgroundImage_->render(&image);
    return image;
}

void FrmTemplate::mnuCaptureAsBitmap_Click() {
    if (backgroundImage_->width() > picture1_->width() ||
        backgroundImage_->height() > picture1_->height()) {
        services_.messageBox.MsgBox(
            QStringLiteral("The layout is too large for me to capture as a bitmap. You must "
                           "maximise the Quillet and/or increase your screen resolution so that "
                           "the main horizontal and vertical scrollbars aren't visible."),
            MsgStyle::Exclamation, QStringLiteral("Can't capture as bitmap - it's too large"));
        return;
    }
    repaint();
    const QImage image = CaptureLayout();
    picCapture_->setPixmap(QPixmap::fromImage(image));

    const QString path = CaptureFile::path(doc_.programFolder, doc_.GameName);
    QString error;
    if (!CaptureFile::write(image, path, &error)) {
        services_.messageBox.MsgBox(QStringLiteral("I couldn't save the card as ") + path +
                                        QStringLiteral(" (") + error + QStringLiteral(")."),
                                    MsgStyle::Exclamation,
                                    QStringLiteral("Can't capture as bitmap"));
    }
    runPendingEvents();
    picCapture_->clear();
    runPendingEvents();
}
