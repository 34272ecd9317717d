// The movable picture on the card: the Image menu, its rectangle and the per-game picture.

#include "card_editor/card/DefaultImages.h"
#include "card_editor/window/FrmImageSize.h"
#include "card_editor/window/FrmTemplate.h"
#include "card_editor/window/MovablePicture.h"
#include "card_editor/window/SelectPictureForm.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"

#include <QAction>

#include <algorithm>

namespace {

qint16 to16(int value) {
    return static_cast<qint16>(std::clamp(value, -32768, 32767));
}

// Shows the picture in front of the card's own picture, never in front of the boxes: their
// text stays readable over it and a box on it can still be clicked.
void showAboveCard(MovablePicture& picture) {
    picture.setVisible(true);
    picture.update();
    picture.lower();
}

} // namespace

void FrmTemplate::connectImageMenu() {
    connect(menus_.mnuImageSelect, &QAction::triggered, this, &FrmTemplate::mnuImageSelect_Click);
    connect(menus_.mnuImageResize, &QAction::triggered, this, &FrmTemplate::mnuImageResize_Click);
    connect(menus_.mnuImageClear, &QAction::triggered, this, &FrmTemplate::mnuImageClear_Click);
}

void FrmTemplate::ResizeImage() {
    image1_->setGeometry(doc_.ImageLeft, doc_.ImageTop, doc_.ImageWidth, doc_.ImageHeight);
    image1_->update();
}

bool FrmTemplate::loadPicture(const QString& path) {
    if (DefaultImages::isNone(path) || !FileSystem::fileExists(path)) {
        image1_->clearPicture();
        doc_.ImagePath = DefaultImages::none();
        return false;
    }
    // A file that is there but cannot be shown keeps its path, so that the next save writes
    // it back; one game's picture must still never stay on another's card.
    doc_.ImagePath = path;
    if (!image1_->loadPicture(path)) {
        image1_->clearPicture();
    }
    return true;
}

void FrmTemplate::GetDefaultImage() {
    if (!loadPicture(DefaultImages::read(doc_))) {
        return;
    }
    ImageUpdating = 1;
    menus_.mnuImageVisible->setChecked(true);
    showAboveCard(*image1_);
    ImageUpdating = 0;
}

void FrmTemplate::SaveDefaultImage() {
    DefaultImages::save(doc_);
}

void FrmTemplate::mnuImageSelect_Click() {
    const QString old = doc_.ImagePath;
    {
        SelectPictureForm form(doc_, this);
        form.exec();
    }
    if (doc_.ImagePath.isEmpty()) {
        doc_.ImagePath = DefaultImages::none(); // applied without choosing a file
    }
    if (doc_.ImagePath == old) {
        return;
    }
    QImage picture;
    if (!DefaultImages::isNone(doc_.ImagePath)) {
        picture = MovablePicture::readPicture(doc_.ImagePath);
        if (picture.isNull()) {
            // The card and the game's stored picture stay as they were.
            const QString chosen = doc_.ImagePath;
            doc_.ImagePath = old;
            services_.messageBox.MsgBox(QStringLiteral("I couldn't load ") + chosen +
                                            QStringLiteral(" as a picture, so the card keeps "
                                                           "the picture it has."),
                                        MsgStyle::Exclamation, QStringLiteral("Ooops!"));
            return;
        }
    }
    SaveDefaultImage();
    ImageUpdating = 1;
    menus_.mnuImageVisible->setChecked(true);
    image1_->setPicture(picture);
    showAboveCard(*image1_);
    ImageUpdating = 0;
}

void FrmTemplate::mnuImageResize_Click() {
    if (!menus_.mnuImageVisible->isChecked()) {
        menus_.mnuImageVisible->setChecked(true);
        mnuImageVisible_Click();
    }
    const QRect r = image1_->geometry();
    doc_.ImageTop = to16(r.y());
    doc_.ImageLeft = to16(r.x());
    doc_.ImageWidth = to16(r.width());
    doc_.ImageHeight = to16(r.height());
    {
        FrmImageSize dialog(
            doc_, services_.messageBox, [this] { ResizeImage(); }, this);
        dialog.exec();
    }
    ResizeImage();
}

void FrmTemplate::mnuImageClear_Click() {
    image1_->clearPicture();
    doc_.ImagePath = DefaultImages::none();
    // Records nothing: the game's stored picture comes back when the game is opened again.
    SaveDefaultImage();
}
