#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The dialog "Enter game name": shows the game name, selected, and hands back the new one.
class FormGameName : public QDialog {
    Q_OBJECT

public:
    FormGameName(const QString& gameName, QWidget* parent = nullptr);

    // The name to keep: the edited text after "Accept", the given name otherwise.
    QString gameName() const;

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QPushButton*, 2> Command1{};

private:
    void Command1_Click(int index);
    void Text1_Change();

    QString gameName_;
};
