#include "card_editor/window/FrmImageSize.h"

#include "card_editor/card/CardDocument.h"
#include "card_editor/card/LeadingNumber.h"
#include "common/platform/MessageBox.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const Captions[] = {"Top:", "Left:", "Width:", "Height:"};
const char* const FieldNames[] = {"Top", "Left", "Width", "Height"};

// A value below `below` becomes `becomes`: a picture never starts off the card's top or left
// edge, nor shrinks below a size that can still be seen and grabbed.
struct Floor {
    qint16 below;
    qint16 becomes;
};
constexpr Floor Floors[] = {{0, 10}, {0, 10}, {20, 20}, {20, 20}};

qint16 clamped(int field, qint16 value) {
    return value < Floors[field].below ? Floors[field].becomes : value;
}

} // namespace

FrmImageSize::FrmImageSize(CardDocument& doc, MessageBox& messageBox,
                           std::function<void()> resizeImage, QWidget* parent)
    : QDialog(parent), doc_(doc), messageBox_(messageBox), resizeImage_(std::move(resizeImage)) {
    setObjectName(QStringLiteral("FrmImageSize"));
    setWindowTitle(QStringLiteral("Image size"));
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* fields = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        Label1[i] = new QLabel(QString::fromLatin1(Captions[i]), this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setAccessibleName(QString::fromLatin1(FieldNames[i]));
        Text1[i]->installEventFilter(this);
        Label1[i]->setBuddy(Text1[i]);
        fields->addWidget(Label1[i], i, 0);
        fields->addWidget(Text1[i], i, 1);
    }
    Command1[0] = new QPushButton(QStringLiteral("OK"), this);
    Command1[0]->setObjectName(QStringLiteral("Command1_0"));
    Command1[0]->setDefault(true);
    Command1[1] = new QPushButton(QStringLiteral("Cancel"), this);
    Command1[1]->setObjectName(QStringLiteral("Command1_1"));
    CmdPreview = new QPushButton(QStringLiteral("Preview"), this);
    CmdPreview->setObjectName(QStringLiteral("CmdPreview"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Command1[0]);
    buttons->addWidget(Command1[1]);
    buttons->addWidget(CmdPreview);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
    connect(CmdPreview, &QPushButton::clicked, this, &FrmImageSize::CmdPreview_Click);

    Form_Load();
}

std::array<qint16*, 4> FrmImageSize::values() {
    return {&doc_.ImageTop, &doc_.ImageLeft, &doc_.ImageWidth, &doc_.ImageHeight};
}

void FrmImageSize::Form_Load() {
    const std::array<qint16*, 4> v = values();
    for (int i = 0; i < 4; ++i) {
        saved_[i] = *v[i];
        Text1[i]->setText(QString::number(*v[i]));
    }
    Text1[0]->setFocus();
}

bool FrmImageSize::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            // After the focus change, so that the click that gave the focus keeps it selected.
            QMetaObject::invokeMethod(field, &QLineEdit::selectAll, Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmImageSize::CmdPreview_Click() {
    const std::array<qint16*, 4> v = values();
    for (int i = 0; i < 4; ++i) {
        // A number that does not fit leaves the value as it was and the text as typed.
        if (const std::optional<qint16> read = LeadingNumber::wholeNumber(Text1[i]->text())) {
            *v[i] = *read;
        }
        const qint16 kept = clamped(i, *v[i]);
        if (kept != *v[i]) {
            *v[i] = kept;
            Text1[i]->setText(QString::number(kept));
        }
    }
    if (resizeImage_) {
        resizeImage_();
    }
}

void FrmImageSize::Command1_Click(int index) {
    const std::array<qint16*, 4> v = values();
    if (index == 0) {
        std::array<qint16, 4> read{};
        for (int i = 0; i < 4; ++i) {
            const std::optional<qint16> value = LeadingNumber::wholeNumber(Text1[i]->text());
            if (!value) {
                // Closed first: a dialog kept on top could hide the message from its user.
                Command1_Click(1);
                messageBox_.MsgBox(QStringLiteral("One of the values you entered is invalid, and "
                                                  "so I'll restore the image size."),
                                   MsgStyle::Exclamation, QStringLiteral("Ooops!"));
                return;
            }
            read[i] = clamped(i, *value);
        }
        for (int i = 0; i < 4; ++i) {
            *v[i] = read[i];
        }
        accept();
        return;
    }
    for (int i = 0; i < 4; ++i) {
        *v[i] = saved_[i];
    }
    reject();
}

void FrmImageSize::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Closes without putting the old values back: what was previewed stays.
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
