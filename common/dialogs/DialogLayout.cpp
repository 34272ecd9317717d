#include "common/dialogs/DialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
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
