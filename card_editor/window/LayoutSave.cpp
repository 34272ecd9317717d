#include "card_editor/window/LayoutSave.h"

#include "card_editor/card/TemplateFolder.h"
#include "common/dialogs/DialogLayout.h"
#include "common/platform/FileSystem.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// What the line under the name says while the name is refused.
QString refusal(TemplateFolder::NameFault fault) {
    using TemplateFolder::NameFault;
    switch (fault) {
    case NameFault::OnlyBlanks:
        return QStringLiteral("A template name can't be only blanks.");
    case NameFault::Dots:
        return QStringLiteral("A template name can't be \".\" or \"..\".");
    case NameFault::Separator:
        return QStringLiteral("A template name can't hold \"/\" or \"\\\".");
    case NameFault::ControlCharacter:
        return QStringLiteral("A template name can't hold control characters.");
    case NameFault::None:
    case NameFault::Empty:
        break;
    }
    return {};
}

} // namespace

LayoutSave::LayoutSave(const QString& templateName, const QString& templatesDirectory,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("LayoutSave"));
    setWindowTitle(QStringLiteral("Save template as ..."));
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Enter a name for the template to be saved as ..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Template name"));
    Combo1->setEditable(true);
    // Choosing a name fills the text; nothing typed is added to the list, and what is typed is
    // the name: no completion, and without a completer the list matches letter case exactly.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    Combo1->setMinimumContentsLength(30);
    Label1->setBuddy(Combo1);
    Refused = new QLabel(this);
    Refused->setObjectName(QStringLiteral("Refused"));
    // The line keeps its room, so that the dialog does not jump as it comes and goes.
    Refused->setMinimumHeight(Refused->fontMetrics().height());
    Command1 = layOutCommandDialog(*this, {Label1, Combo1, Refused}, QStringLiteral("OK"),
                                   QStringLiteral("Cancel"));

    FileSystem::ChangeToDriveRoot(templatesDirectory);
    Combo1->addItems(TemplateFolder::templateNames(templatesDirectory));
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(templateName);
    connect(Combo1, &QComboBox::editTextChanged, this, &LayoutSave::Combo1_Change);
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
    Combo1_Change();
    // The offered name is selected, so that typing replaces it.
    Combo1->lineEdit()->selectAll();
    Combo1->setFocus();
}

QString LayoutSave::templateName() const {
    return templateName_;
}

void LayoutSave::Combo1_Change() {
    // A name that would leave the templates folder, or name no folder at all, cannot be saved.
    const TemplateFolder::NameFault fault = TemplateFolder::nameFault(Combo1->currentText());
    Command1[0]->setEnabled(fault == TemplateFolder::NameFault::None);
    Refused->setText(refusal(fault));
}

void LayoutSave::Command1_Click(int index) {
    if (index == 0) {
        if (!Command1[0]->isEnabled()) {
            return;
        }
        templateName_ = Combo1->currentText();
        accept();
        return;
    }
    templateName_.clear();
    reject();
}
