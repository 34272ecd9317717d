#include "programmer/window/FormGameName.h"

#include "common/dialogs/DialogLayout.h"
#include "programmer/window/SingleLineValidator.h"

#include <QLineEdit>
#include <QPushButton>

FormGameName::FormGameName(const QString& gameName, QWidget* parent)
    : QDialog(parent), gameName_(gameName) {
    setObjectName(QStringLiteral("FormGameName"));
    setWindowTitle(QStringLiteral("Enter game name"));
    setModal(true);

    const FieldDialogControls c = buildFieldDialog(
        *this, QStringLiteral("Enter the name of the game or flight sim this file is for."),
        QStringLiteral("Game name"), {QStringLiteral("Accept"), QStringLiteral("Cancel")});
    Label1 = c.Label1;
    Text1 = c.Text1;
    Command1 = c.Command1;
    SingleLineValidator::install(Text1);

    connect(Text1, &QLineEdit::textChanged, this, &FormGameName::Text1_Change);
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });

    Text1->setText(gameName_);
    Text1_Change();
    Text1->selectAll();
    Text1->setFocus();
}

QString FormGameName::gameName() const {
    return gameName_;
}

void FormGameName::Text1_Change() {
    Command1[0]->setEnabled(!Text1->text().isEmpty());
}

void FormGameName::Command1_Click(int index) {
    if (index == 0) {
        gameName_ = Text1->text();
        accept();
        return;
    }
    reject();
}
