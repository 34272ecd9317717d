#include "card_editor/window/FormGridCellSize.h"

#include "card_editor/card/BoxGeometry.h"
#include "card_editor/card/LeadingNumber.h"
#include "common/platform/MessageBox.h"

#include "common/dialogs/DialogLayout.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

FormGridCellSize::FormGridCellSize(qint16& newGridCellSize, MessageBox& messageBox, QWidget* parent)
    : QDialog(parent), newGridCellSize_(newGridCellSize), messageBox_(messageBox),
      oldSize_(newGridCellSize) {
    setObjectName(QStringLiteral("FormGridCellSize"));
    setWindowTitle(QStringLiteral("Grid cell size"));
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const FieldDialogControls c = buildFieldDialog(
        *this, QStringLiteral("Enter the new grid cell size (2 to 100)"),
        QStringLiteral("Grid cell size"), {QStringLiteral("OK"), QStringLiteral("Cancel")});
    Label1 = c.Label1;
    Text1 = c.Text1;
    Command1 = c.Command1;

    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
    Text1->installEventFilter(this);
    Text1->setText(QString::number(oldSize_));
}

void FormGridCellSize::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void FormGridCellSize::Form_Activate() {
    Text1->setFocus(Qt::OtherFocusReason);
    Text1_GotFocus();
}

void FormGridCellSize::Text1_GotFocus() {
    // Typing replaces the value shown.
    Text1->selectAll();
}

bool FormGridCellSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::FocusIn) {
        Text1_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void FormGridCellSize::keyPressEvent(QKeyEvent* event) {
    // Only the buttons and the close box end this dialog.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormGridCellSize::Command1_Click(int Index) {
    if (Index != 0) {
        reject();
        return;
    }
    if (const std::optional<qint16> v = LeadingNumber::wholeNumber(Text1->text())) {
        newGridCellSize_ = static_cast<qint16>(BoxGeometry::clampedCellSize(*v));
    } else {
        messageBox_.MsgBox(QStringLiteral("The value you entered is invalid, and so I'll leave "
                                          "the grid cell size as it is."),
                           MsgStyle::Exclamation, QStringLiteral("Ooops!"));
        newGridCellSize_ = oldSize_;
    }
    accept();
}
