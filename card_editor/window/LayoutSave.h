#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

// The dialog "Save template as ...": a name typed or chosen among the existing templates.
class LayoutSave : public QDialog {
    Q_OBJECT

public:
    // Offers templateName and lists the templates under templatesDirectory.
    LayoutSave(const QString& templateName, const QString& templatesDirectory,
               QWidget* parent = nullptr);

    // The name chosen with OK; "" when the dialog was closed any other way.
    QString templateName() const;

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    // Says why the name typed is refused; empty otherwise.
    QLabel* Refused = nullptr;
    std::array<QPushButton*, 2> Command1{};

private:
    void Combo1_Change();
    void Command1_Click(int index);

    QString templateName_;
};
