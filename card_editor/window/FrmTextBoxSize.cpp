#include "card_editor/window/FrmTextBoxSize.h"

#include "card_editor/card/BoxSizeInput.h"
#include "card_editor/card/CardDocument.h"
#include "common/dialogs/ConnectEach.h"
#include "common/platform/MessageBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int EscapeKeyCode = 27;

const char* const FieldNames[] = {"Top", "Left", "Width", "Height"};

} // namespace

FrmTextBoxSize::FrmTextBoxSize(CardDocument& doc, MessageBox& messageBox, QWidget* parent)
    : QDialog(parent), doc_(doc), messageBox_(messageBox) {
    setObjectName(QStringLiteral("FrmTextBoxSize"));
    setWindowTitle(QStringLiteral("Textbox size"));
    setModal(true);
    // Above every other window while it is open.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    Form_Load();
}

void FrmTextBoxSize::buildControls() {
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const QString field = QString::fromLatin1(FieldNames[i]);
        Label1[i] = new QLabel(field + u':', this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setAccessibleName(field);
        Label1[i]->setBuddy(Text1[i]);
        Command2[i] = new QPushButton(QStringLiteral("100"), this);
        Command2[i]->setObjectName(QStringLiteral("Command2_%1").arg(i));
        Command2[i]->setAccessibleName(QStringLiteral("Last ") + field.toLower() +
                                       QStringLiteral(" applied"));
        grid->addWidget(Label1[i], i, 0);
        grid->addWidget(Text1[i], i, 1);
        grid->addWidget(Command2[i], i, 2);
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }
    Command1[0] = new QPushButton(QStringLiteral("Apply"), this);
    Command1[0]->setObjectName(QStringLiteral("Command1_0"));
    Command1[0]->setDefault(true);
    Command1[1] = new QPushButton(QStringLiteral("Cancel"), this);
    Command1[1]->setObjectName(QStringLiteral("Command1_1"));
    connectEach(Command1, &QPushButton::clicked, this, &FrmTextBoxSize::Command1_Click);

    // Tab walks the four fields first, then the buttons.
    const QList<QWidget*> tabOrder = {Text1[0],    Text1[1],    Text1[2],    Text1[3],
                                      Command1[0], Command1[1], Command2[0], Command2[1],
                                      Command2[2], Command2[3]};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1[0]);
    buttons->addWidget(Command1[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void FrmTextBoxSize::Form_Load() {
    const std::array<int, 4> values = {doc_.TBTop, doc_.TBLeft, doc_.TBWidth, doc_.TBHeight};
    const std::array<int, 4> last = {doc_.TBLastTop, doc_.TBLastLeft, doc_.TBLastWidth,
                                     doc_.TBLastHeight};
    for (int i = 0; i < 4; ++i) {
        Text1[i]->setText(QString::number(values[i]));
        Command2[i]->setText(QString::number(last[i]));
    }
}

void FrmTextBoxSize::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Text1[0]->setFocus(Qt::ActiveWindowFocusReason);
}

void FrmTextBoxSize::Text1_GotFocus(int Index) {
    // After the click that brought the focus has placed the caret.
    QTimer::singleShot(0, Text1[Index], &QLineEdit::selectAll);
}

bool FrmTextBoxSize::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn) {
        for (int i = 0; i < 4; ++i) {
            if (watched == Text1[i]) {
                Text1_GotFocus(i);
            }
        }
    }
    // The dialog sees the keys before its controls, so Esc works in every one of them.
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            if (type == QEvent::KeyRelease) {
                keyReleaseEvent(key);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmTextBoxSize::Command2_Click(int Index) {
    Text1[Index]->setText(Command2[Index]->text());
    Text1[Index]->setFocus(Qt::OtherFocusReason);
}

void FrmTextBoxSize::Command1_Click(int Index) {
    if (Index != 0) {
        reject();
        return;
    }
    std::array<QString, BoxSizeInput::FieldCount> fields;
    for (int i = 0; i < BoxSizeInput::FieldCount; ++i) {
        fields[i] = Text1[i]->text();
    }
    const std::optional<BoxRect> rect = BoxSizeInput::read(fields);
    if (!rect) {
        // The rectangle handed in stays, and so do the last values.
        messageBox_.MsgBox(QStringLiteral("One of the values you entered is invalid, and so I'll "
                                          "leave the textbox as it is."),
                           MsgStyle::Exclamation, QStringLiteral("Ooops!"));
        reject();
        return;
    }
    doc_.TBTop = doc_.TBLastTop = qint16(rect->top);
    doc_.TBLeft = doc_.TBLastLeft = qint16(rect->left);
    doc_.TBWidth = doc_.TBLastWidth = qint16(rect->width);
    doc_.TBHeight = doc_.TBLastHeight = qint16(rect->height);
    accept();
}

void FrmTextBoxSize::Form_KeyUp(int KeyCode, int) {
    if (KeyCode == EscapeKeyCode) {
        reject();
    }
}

void FrmTextBoxSize::keyPressEvent(QKeyEvent* event) {
    // Esc closes the dialog when it is let go, from whichever control has the focus.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmTextBoxSize::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        event->accept();
        Form_KeyUp(EscapeKeyCode, 0);
        return;
    }
    QDialog::keyReleaseEvent(event);
}
