#include "card_editor/window/SelectPictureForm.h"

#include "card_editor/card/CardDocument.h"
#include "card_editor/card/PictureFolders.h"
#include "card_editor/window/MovablePicture.h"
#include "common/platform/FileSystem.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int PreviewSide = 160;
constexpr int PathRole = Qt::UserRole;

QString folderName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

} // namespace

SelectPictureForm::SelectPictureForm(CardDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("SelectPictureForm"));
    setWindowTitle(QStringLiteral("Select picture to open"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(QStringLiteral("Folders"));
    Dir1->installEventFilter(this);
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(QStringLiteral("Picture files"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(QStringLiteral("Path of the picture"));
    // A long path is cut at the window's edge rather than widening the window.
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label2 = new QLabel(QStringLiteral("Preview"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    auto* previewFrame = new QFrame(this);
    previewFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    ImagePreview = new MovablePicture(previewFrame);
    ImagePreview->setObjectName(QStringLiteral("ImagePreview"));
    ImagePreview->setAccessibleName(QStringLiteral("Preview of the picture"));
    ImagePreview->setFixedSize(PreviewSide, PreviewSide);
    auto* frameLayout = new QVBoxLayout(previewFrame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(ImagePreview);
    Command2 = new QPushButton(QStringLiteral("Apply"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto* folders = new QVBoxLayout;
    folders->addWidget(Drive1);
    folders->addWidget(Dir1, 1);
    auto* preview = new QVBoxLayout;
    preview->addWidget(Label2);
    preview->addWidget(previewFrame);
    preview->addStretch(1);
    preview->addWidget(Command2);
    preview->addWidget(Command1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(folders, 1);
    lists->addWidget(File1, 1);
    lists->addLayout(preview);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(Label1);
    resize(600, 380);

    connect(Drive1, &QComboBox::currentIndexChanged, this, &SelectPictureForm::Drive1_Change);
    connect(Dir1, &QListWidget::itemDoubleClicked, this, &SelectPictureForm::openFolderItem);
    // A file counts as clicked when it is chosen, by the mouse or with the arrow keys.
    connect(File1, &QListWidget::itemSelectionChanged, this, &SelectPictureForm::File1_Click);
    connect(Command2, &QPushButton::clicked, this, &SelectPictureForm::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &SelectPictureForm::Command1_Click);

    Form_Load();
}

void SelectPictureForm::Form_Load() {
    drives_ = PictureFolders::drives();
    const QSignalBlocker blocker(Drive1);
    Drive1->addItems(drives_);
    setFolder(doc_.ImagesDirectory);
}

void SelectPictureForm::setFolder(const QString& folder) {
    // A folder that has gone shows its nearest parent that is still there.
    folder_ = PictureFolders::nearestFolder(folder);
    const QSignalBlocker blocker(Drive1);
    Drive1->setCurrentIndex(int(drives_.indexOf(PictureFolders::driveOf(folder_, drives_))));
    Dir1_Change();
}

void SelectPictureForm::Drive1_Change() {
    const int index = Drive1->currentIndex();
    if (index < 0 || index >= drives_.size()) {
        return;
    }
    const QString drive = drives_[index];
    // A drive that is no longer there leaves the lists as they were.
    setFolder(FileSystem::folderExists(drive) ? drive : folder_);
}

void SelectPictureForm::Dir1_Change() {
    Dir1->clear();
    const QStringList chain = PictureFolders::foldersLeadingTo(folder_);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [this](const QString& path, const QIcon& icon, int depth) {
        auto* item = new QListWidgetItem(icon, QString(depth * 2, u' ') + folderName(path), Dir1);
        item->setData(PathRole, path);
        item->setData(Qt::AccessibleTextRole, folderName(path)); // without the indent
        item->setToolTip(path);
        return item;
    };
    QListWidgetItem* current = nullptr;
    for (int i = 0; i < chain.size(); ++i) {
        current = add(chain[i], open, i);
    }
    for (const QString& sub : PictureFolders::subFolders(folder_)) {
        add(sub, closed, int(chain.size()));
    }
    Dir1->setCurrentItem(current);

    File1->clear();
    File1->addItems(PictureFolders::matchingFiles(folder_, PictureFolders::picturePattern()));
}

void SelectPictureForm::openFolderItem(QListWidgetItem* item) {
    if (item != nullptr) {
        setFolder(item->data(PathRole).toString());
    }
}

bool SelectPictureForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter opens the folder, as a double-click does, and does not apply the dialog.
            openFolderItem(Dir1->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SelectPictureForm::File1_Click() {
    const QList<QListWidgetItem*> chosen = File1->selectedItems();
    if (chosen.isEmpty()) {
        return;
    }
    clickedPath_ = PictureFolders::pathOf(folder_, chosen.front()->text());
    Label1->setText(clickedPath_);
    Label1->setToolTip(clickedPath_);
    // A file that is not a picture shows no preview rather than the one before.
    ImagePreview->setPicture(MovablePicture::readPicture(clickedPath_));
}

void SelectPictureForm::Command2_Click() {
    doc_.ImagePath = clickedPath_;
    accept();
}

void SelectPictureForm::Command1_Click() {
    reject();
}
