#pragma once

#include "common/dialogs/CommonDialog.h"

#include <QDialog>

#include <array>
#include <memory>

struct CardDocument;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class RichTextBox;

// The dialog "Preferences": the four file locations, the six text styles and the mode of the
// lowest row. Browse, Font and Colour change the document at once; only Apply writes
// "Quillet.ini" and takes the lowest-row choice. The dialog asks through common dialogs of its
// own, made with it, so the main window's keep their state.
class Preferences : public QDialog {
    Q_OBJECT

public:
    Preferences(CardDocument& doc, const CommonDialogFactory& makeDialog,
                QWidget* parent = nullptr);

    static constexpr int LocationCount = 4;
    static constexpr int StyleRows = 6;
    static constexpr int BottomRowOptions = 6;

    void CMDgamefiles_Click();
    void CMDtemplates_Click();
    void CMDbitmap_Click();
    void CMDimages_Click();
    void Command2_Click(int Index);
    void Command3_Click(int Index);
    void Command4_Click(int Index);

    QTabWidget* SSTab1 = nullptr;
    std::array<QLabel*, LocationCount> Label1{};
    std::array<QLabel*, LocationCount> Label2{};
    QPushButton* CMDgamefiles = nullptr;
    QPushButton* CMDtemplates = nullptr;
    QPushButton* CMDbitmap = nullptr;
    QPushButton* CMDimages = nullptr;
    std::array<QLabel*, StyleRows> Label3{};
    std::array<RichTextBox*, StyleRows> RichTextBox1{};
    std::array<QPushButton*, StyleRows> Command2{};
    std::array<QPushButton*, StyleRows> Command3{};
    std::array<QRadioButton*, BottomRowOptions> Option1{};
    std::array<QPushButton*, 3> Command4{};

private:
    QWidget* buildLocationsTab();
    QWidget* buildStylesTab();
    QWidget* buildMiscellaneousTab();
    void Form_Load();
    // Shows the folder picker for one location; a cancel keeps the setting.
    void browseFolder(QString& setting, int row, const QString& title);
    void buildSample(int row);

    CardDocument& doc_;
    std::unique_ptr<CommonDialog> dialog_;
};
