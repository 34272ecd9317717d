#include "common/dialogs/DialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

std::array<QPushButton*, 2> layOutCommandDialog(QDialog& dialog,
                                                std::initializer_list<QWidget*> fields,
                                                const QString& first, const QString& second) {
    std::array<QPushButton*, 2> buttons{new QPushButton(first, &dialog),
                                        new QPushButton(second, &dialog)};
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (int i = 0; i < 2; ++i) {
        buttons[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        row->addWidget(buttons[i]);
    }
    buttons[0]->setDefault(true);
    auto* column = new QVBoxLayout(&dialog);
    for (QWidget* field : fields) {
        column->addWidget(field);
    }
    column->addLayout(row);
    return buttons;
}

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
    c.Command1 =
        layOutCommandDialog(dialog, {c.Label1, c.Text1}, buttonCaptions[0], buttonCaptions[1]);
    return c;
}
