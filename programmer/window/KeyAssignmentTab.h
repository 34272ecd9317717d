#pragma once

#include <QWidget>

#include <array>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QVBoxLayout;

// The tab "Key assignments for flight sim": the toolbar Toolbar1 above the document box.
class KeyAssignmentTab : public QWidget {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 18; // buttons 1..18; 4, 6, 10 and 15 are spacers

    explicit KeyAssignmentTab(QWidget* parent = nullptr);

    // Toolbar button by its index 1..18, nullptr for a spacer.
    QToolButton* button(int index) const;
    // Places the document box below the toolbar.
    void setDocumentBox(QWidget* box);
    // Shows the document's file name as item 1 of the drop-down menu of button 3.
    void setFileName(const QString& name);

    QToolBar* Toolbar1 = nullptr;
    QMenu* saveMenu = nullptr;               // the drop-down menu of button 3
    std::array<QAction*, 2> saveMenuItems{}; // item 1 (the file's name) and item 2 "Save As ..."

signals:
    void buttonClicked(int index);
    void buttonMenuClicked(int item);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void giveFocusToDocument();

    std::array<QToolButton*, ButtonCount + 1> buttons_{};
    QWidget* documentBox_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};
