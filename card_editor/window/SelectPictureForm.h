#pragma once

#include <QDialog>

class MovablePicture;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
struct CardDocument;

// "Select picture to open": browses drives, folders and picture files from the pictures
// folder, previews the file clicked, and hands its path back in the document's ImagePath.
class SelectPictureForm : public QDialog {
    Q_OBJECT

public:
    explicit SelectPictureForm(CardDocument& doc, QWidget* parent = nullptr);

    // The folder the folder and file lists show.
    QString folder() const { return folder_; }
    // Shows folder in the folder and file lists, as a double-click on it does.
    void setFolder(const QString& folder);

    QComboBox* Drive1 = nullptr;
    QListWidget* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    MovablePicture* ImagePreview = nullptr;
    QPushButton* Command2 = nullptr; // Apply
    QPushButton* Command1 = nullptr; // Cancel

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command2_Click();
    void Command1_Click();
    void openFolderItem(QListWidgetItem* item);

    CardDocument& doc_;
    QStringList drives_;
    QString folder_;
    QString clickedPath_;
};
