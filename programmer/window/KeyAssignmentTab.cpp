#include "programmer/window/KeyAssignmentTab.h"

#include "programmer/window/DocumentToolIcons.h"

#include <QGuiApplication>
#include <QMenu>
#include <QShowEvent>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct ToolbarButton {
    int index;
    const char* caption;
    const char* tip;
};

constexpr ToolbarButton toolbarButtons[] = {
    {1, "New", "New text file"},
    {2, "Open", "Open text file"},
    {3, "Save", "Save text file"},
    {5, "Print", "Print text file"},
    {7, "Cut", "Cut"},
    {8, "Copy", "Copy"},
    {9, "Paste", "Paste"},
    {11, "B", "Bold"},
    {12, "I", "Italic"},
    {13, "U", "Underline"},
    {14, "S", "Strike through"},
    {16, "Left", "Align left"},
    {17, "Centre", "Align centre"},
    {18, "Right", "Align right"},
};

} // namespace

KeyAssignmentTab::KeyAssignmentTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("KeyAssignmentTab"));
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setAccessibleName(QStringLiteral("Key-assignment document tools"));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->setIconSize(QSize(20, 20));

    saveMenu = new QMenu(this);
    saveMenu->setObjectName(QStringLiteral("Toolbar1_Menu3"));
    saveMenuItems[0] = saveMenu->addAction(QStringLiteral("Original"));
    saveMenuItems[1] = saveMenu->addAction(QStringLiteral("Save As ..."));
    for (int item = 0; item < 2; ++item) {
        connect(saveMenuItems[static_cast<std::size_t>(item)], &QAction::triggered, this,
                [this, item] {
                    emit buttonMenuClicked(item + 1);
                    giveFocusToDocument();
                });
    }

    int next = 1;
    for (const ToolbarButton& entry : toolbarButtons) {
        for (; next < entry.index; ++next) {
            Toolbar1->addSeparator();
        }
        auto* button = new QToolButton(Toolbar1);
        button->setObjectName(QStringLiteral("Toolbar1_%1").arg(entry.index));
        button->setText(QString::fromLatin1(entry.caption));
        button->setToolTip(QString::fromLatin1(entry.tip));
        button->setAccessibleName(QString::fromLatin1(entry.tip));
        button->setIcon(documentToolIcon(entry.index));
        button->setFocusPolicy(Qt::TabFocus); // the document's commands have no other keys
        if (entry.index == 3) {
            button->setMenu(saveMenu);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
        Toolbar1->addWidget(button);
        buttons_[static_cast<std::size_t>(entry.index)] = button;
        const int index = entry.index;
        connect(button, &QToolButton::clicked, this, [this, index] {
            emit buttonClicked(index);
            giveFocusToDocument();
        });
        next = entry.index + 1;
    }

    layout_ = new QVBoxLayout(this);
    layout_->addWidget(Toolbar1);
    layout_->addStretch(1);
}

QToolButton* KeyAssignmentTab::button(int index) const {
    return index >= 1 && index <= ButtonCount ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void KeyAssignmentTab::setDocumentBox(QWidget* box) {
    // The box takes the place of the stretch below the toolbar.
    delete layout_->takeAt(1);
    layout_->addWidget(box, 1);
    documentBox_ = box;
}

void KeyAssignmentTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Brought forward from another tab, the keyboard goes to the document rather than to the
    // first toolbar button, where a blank typed would run "New". Keys on the tab bar only walk
    // the tabs: the keyboard stays there, unless the mouse chose this tab.
    const QWidget* focused = window()->focusWidget();
    const bool walkingTabs = qobject_cast<const QTabBar*>(focused) != nullptr &&
                             QGuiApplication::mouseButtons() == Qt::NoButton;
    if (!event->spontaneous() && !walkingTabs && (focused == nullptr || !isAncestorOf(focused))) {
        giveFocusToDocument();
    }
}

void KeyAssignmentTab::giveFocusToDocument() {
    // The buttons are tools for the document: typing goes on where it left off.
    if (documentBox_ != nullptr) {
        documentBox_->setFocus(Qt::OtherFocusReason);
    }
}

void KeyAssignmentTab::setFileName(const QString& name) {
    // An "&" in a file name is shown, not taken as a shortcut mark.
    QString shown = name;
    saveMenuItems[0]->setText(shown.replace(QLatin1Char('&'), QStringLiteral("&&")));
}
