#include "programmer/window/FormGameName.h"

#include "programmer/window/SingleLineValidator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FormGameName::FormGameName(const QString& gameName, QWidget* parent)
    : QDialog(parent), gameName_(gameName) {
    setObjectName(QStringLiteral("FormGameName"));
    setWindowTitle(QStringLiteral("Enter game name"));
    setModal(true);

    Label1 = new QLabel(
        QStringLiteral("Enter the name of the game or flight sim this file is for."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Game name"));
    SingleLineValidator::install(Text1);
    Label1->setBuddy(Text1);
    Command1[0] = new QPushButton(QStringLiteral("Accept"), this);
    Command1[0]->setObjectName(QStringLiteral("Command1_0"));
    Command1[0]->setDefault(true);
    Command1[1] = new QPushButton(QStringLiteral("Cancel"), this);
    Command1[1]->setObjectName(QStringLiteral("Command1_1"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1[0]);
    buttons->addWidget(Command1[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addLayout(buttons);

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
