#include "common/dialogs/FieldDialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FieldDialogControls buildFieldDialog(QDialog& dialog, const QString& prompt,
                                     const QString& fieldName,
                                     const std::array<QString, 2>& buttonCaptions) {
    FieldDialogControls c;
    c.Label1 = new QLabel(prompt, &dialog);
    c.Label1->setObjectName(QStringLiteral("Label1"));
    c.Text1 = new QLineEdit(&dialog);
    c.Text1->setObjectName(QStringLiteral("Text1"));
    c.Text1->setAccessibleName(fieldName);
    c.Label1->setBuddy(c.Text1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int i = 0; i < 2; ++i) {
        c.Command1[i] = new QPushButton(buttonCaptions[i], &dialog);
        c.Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        buttons->addWidget(c.Command1[i]);
    }
    c.Command1[0]->setDefault(true);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(c.Label1);
    layout->addWidget(c.Text1);
    layout->addLayout(buttons);
    return c;
}
