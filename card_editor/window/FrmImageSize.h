#pragma once

#include <QDialog>

#include <array>
#include <functional>

class MessageBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct CardDocument;

// "Image size": the movable picture's rectangle as four numbers. Preview applies them to the
// card at once; Cancel puts back the values the dialog opened with; Esc and the close box
// just close, keeping what was previewed.
class FrmImageSize : public QDialog {
    Q_OBJECT

public:
    // Works on the document's ImageTop, ImageLeft, ImageWidth and ImageHeight; resizeImage
    // applies them to the card.
    FrmImageSize(CardDocument& doc, MessageBox& messageBox, std::function<void()> resizeImage,
                 QWidget* parent = nullptr);

    std::array<QLabel*, 4> Label1{};
    std::array<QLineEdit*, 4> Text1{}; // top, left, width, height
    QPushButton* CmdPreview = nullptr;
    std::array<QPushButton*, 2> Command1{}; // OK, Cancel

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void CmdPreview_Click();
    void Command1_Click(int index);
    std::array<qint16*, 4> values();

    CardDocument& doc_;
    MessageBox& messageBox_;
    std::function<void()> resizeImage_;
    std::array<qint16, 4> saved_{};
};
