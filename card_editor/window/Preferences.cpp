#include "card_editor/window/Preferences.h"

#include "card_editor/card/BoxContent.h"
#include "card_editor/card/CardDocument.h"
#include "card_editor/card/CardSettings.h"
#include "card_editor/card/StyleChoice.h"
#include "common/dialogs/CommonDialog.h"
#include "common/dialogs/ConnectEach.h"
#include "common/platform/FileSystem.h"
#include "common/richtext/RichTextBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Mode names as the preferences spell them, then the game title's row.
const std::array<const char*, Preferences::StyleRows> RowCaptions = {
    "Views-Out", "Views-In", "Wingman", "Radar/Target", "Weapons", "Game title"};

QString indexed(const char* stem, int i) {
    return QString::fromLatin1(stem) + QLatin1Char('_') + QString::number(i);
}

// Enter presses the focused button; with the focus elsewhere it presses Apply.
QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

} // namespace

Preferences::Preferences(CardDocument& doc, const CommonDialogFactory& makeDialog, QWidget* parent)
    : QDialog(parent), doc_(doc), dialog_(makeDialog ? makeDialog(this) : nullptr) {
    setObjectName(QStringLiteral("Preferences"));
    setWindowTitle(QStringLiteral("Preferences"));
    setModal(true);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildLocationsTab(), QStringLiteral("&File locations"));
    SSTab1->addTab(buildStylesTab(), QStringLiteral("Styles"));
    SSTab1->addTab(buildMiscellaneousTab(), QStringLiteral("Miscellaneous"));

    const std::array<const char*, 3> captions = {"Apply", "Help", "Cancel"};
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int i = 0; i < 3; ++i) {
        Command4[i] = makeButton(QString::fromLatin1(captions[i]), indexed("Command4", i), this);
        buttons->addWidget(Command4[i]);
        connect(Command4[i], &QPushButton::clicked, this, [this, i] { Command4_Click(i); });
    }
    Command4[0]->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);

    connect(CMDgamefiles, &QPushButton::clicked, this, &Preferences::CMDgamefiles_Click);
    connect(CMDtemplates, &QPushButton::clicked, this, &Preferences::CMDtemplates_Click);
    connect(CMDbitmap, &QPushButton::clicked, this, &Preferences::CMDbitmap_Click);
    connect(CMDimages, &QPushButton::clicked, this, &Preferences::CMDimages_Click);
    connectEach(Command2, &QPushButton::clicked, this, &Preferences::Command2_Click);
    connectEach(Command3, &QPushButton::clicked, this, &Preferences::Command3_Click);
    Form_Load();
}

QWidget* Preferences::buildLocationsTab() {
    auto* page = new QWidget;
    auto* frame = new QGroupBox(QStringLiteral("Default directories"), page);
    auto* grid = new QGridLayout(frame);
    const std::array<const char*, LocationCount> captions = {
        "Brelkin game files", "Templates directory",
        "Graphical bitmap for templates (gamecard.bmp)", "Default image directory"};
    const std::array<const char*, LocationCount> buttonNames = {"CMDgamefiles", "CMDtemplates",
                                                                "CMDbitmap", "CMDimages"};
    std::array<QPushButton*, LocationCount> browse{};
    for (int row = 0; row < LocationCount; ++row) {
        Label1[row] = new QLabel(QString::fromLatin1(captions[row]), frame);
        Label1[row]->setObjectName(indexed("Label1", row));
        Label2[row] = new QLabel(frame);
        Label2[row]->setObjectName(indexed("Label2", row));
        Label2[row]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Label2[row]->setMinimumWidth(320);
        Label2[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        browse[row] =
            makeButton(QStringLiteral("Browse ..."), QString::fromLatin1(buttonNames[row]), frame);
        browse[row]->setAccessibleName(QString::fromLatin1(captions[row]) +
                                       QStringLiteral(": browse"));
        grid->addWidget(Label1[row], row * 2, 0, 1, 2);
        grid->addWidget(Label2[row], row * 2 + 1, 0);
        grid->addWidget(browse[row], row * 2 + 1, 1);
    }
    CMDgamefiles = browse[0];
    CMDtemplates = browse[1];
    CMDbitmap = browse[2];
    CMDimages = browse[3];
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

QWidget* Preferences::buildStylesTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (int i = 0; i < StyleRows; ++i) {
        const QString caption = QString::fromLatin1(RowCaptions[i]);
        Label3[i] = new QLabel(caption, page);
        Label3[i]->setObjectName(indexed("Label3", i));
        RichTextBox1[i] = new RichTextBox(page);
        RichTextBox1[i]->setObjectName(indexed("RichTextBox1", i));
        RichTextBox1[i]->setAccessibleName(QStringLiteral("Sample of ") + caption);
        RichTextBox1[i]->setReadOnly(true);
        RichTextBox1[i]->setFixedHeight(40);
        RichTextBox1[i]->setMinimumWidth(260);
        Command2[i] = makeButton(QStringLiteral("Font"), indexed("Command2", i), page);
        Command2[i]->setAccessibleName(caption + QStringLiteral(": font"));
        Command3[i] = makeButton(QStringLiteral("Colour"), indexed("Command3", i), page);
        Command3[i]->setAccessibleName(caption + QStringLiteral(": colour"));
        grid->addWidget(Label3[i], i, 0);
        grid->addWidget(RichTextBox1[i], i, 1);
        grid->addWidget(Command2[i], i, 2);
        grid->addWidget(Command3[i], i, 3);
    }
    return page;
}

QWidget* Preferences::buildMiscellaneousTab() {
    auto* page = new QWidget;
    auto* frame = new QGroupBox(
        QStringLiteral("Default group to appear in the templates lowest row is ..."), page);
    auto* grid = new QGridLayout(frame);
    const std::array<const char*, BottomRowOptions> captions = {
        "Views-Out", "Views-In", "Wingman", "Radar/Target", "Weapons", "None"};
    for (int i = 0; i < BottomRowOptions; ++i) {
        Option1[i] = new QRadioButton(QString::fromLatin1(captions[i]), frame);
        Option1[i]->setObjectName(indexed("Option1", i));
        // Three columns of two, in index order.
        grid->addWidget(Option1[i], i % 2, i / 2);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

void Preferences::Form_Load() {
    Label2[0]->setText(doc_.GamDefaultDirectory);
    Label2[1]->setText(doc_.TemplatesDirectory);
    Label2[2]->setText(doc_.BitmapPath);
    Label2[3]->setText(doc_.ImagesDirectory);
    for (int row = 0; row < StyleRows; ++row) {
        buildSample(row);
    }
    if (doc_.BottomRow >= 0 && doc_.BottomRow < BottomRowOptions) {
        Option1[doc_.BottomRow]->setChecked(true);
    }
}

void Preferences::buildSample(int row) {
    RichTextBox& sample = *RichTextBox1[row];
    sample.setText(StyleChoice::sampleText(doc_, row + 1));
    sample.setSelStart(0);
    sample.setSelLength(sample.TextLength());
    sample.setSelAlignment(BoxContent::Centred);
    BoxContent::ApplyStyle(doc_, sample, row + 1);
    sample.setSelStart(0);
}

void Preferences::browseFolder(QString& setting, int row, const QString& title) {
    if (!dialog_) {
        return;
    }
    dialog_->DialogTitle = title;
    dialog_->InitDir = setting;
    if (dialog_->ShowFolder() && !dialog_->FolderName.isEmpty()) {
        setting = dialog_->FolderName;
    }
    setting = FileSystem::storedPathCase(setting);
    Label2[row]->setText(setting);
}

void Preferences::CMDgamefiles_Click() {
    browseFolder(doc_.GamDefaultDirectory, 0,
                 QStringLiteral("Select the directory containing your Brelkin game files"));
}

void Preferences::CMDtemplates_Click() {
    browseFolder(doc_.TemplatesDirectory, 1,
                 QStringLiteral("Select the directory to save templates in"));
}

void Preferences::CMDimages_Click() {
    browseFolder(doc_.ImagesDirectory, 3,
                 QStringLiteral("Select the directory containing graphical images"));
}

void Preferences::CMDbitmap_Click() {
    if (!dialog_) {
        return;
    }
    dialog_->Filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");
    // A folder picker shown before left its title here.
    dialog_->DialogTitle.clear();
    dialog_->DefaultExt.clear();
    dialog_->FileName.clear();
    dialog_->InitDir = doc_.BitmapPath.isEmpty() ? QString() : QFileInfo(doc_.BitmapPath).path();
    if (!dialog_->ShowOpen()) {
        return;
    }
    doc_.BitmapPath = FileSystem::storedPathCase(dialog_->FileName);
    Label2[2]->setText(doc_.BitmapPath);
}

void Preferences::Command2_Click(int Index) {
    if (Index < 0 || Index >= StyleRows || !dialog_) {
        return;
    }
    const int style = Index + 1;
    dialog_->Flags = CommonDialog::FontScreenAndPrinter | CommonDialog::FontEffects;
    dialog_->FontName = doc_.StyleFontName[style];
    if (!dialog_->ShowFont()) {
        return;
    }
    doc_.StylesChanged = 1;
    StyleChoice::takeFont(doc_, style, dialog_->FontName, dialog_->FontSize, dialog_->FontBold,
                          dialog_->FontItalic, dialog_->FontUnderline);
    buildSample(Index);
}

void Preferences::Command3_Click(int Index) {
    if (Index < 0 || Index >= StyleRows || !dialog_) {
        return;
    }
    const int style = Index + 1;
    dialog_->Flags = CommonDialog::ColorStartFromValue;
    dialog_->Color = doc_.StyleFontColour[style];
    if (!dialog_->ShowColor()) {
        return;
    }
    doc_.StylesChanged = 1;
    doc_.StyleFontColour[style] = dialog_->Color;
    RichTextBox& sample = *RichTextBox1[Index];
    sample.setSelStart(0);
    sample.setSelLength(sample.TextLength());
    sample.setSelColor(static_cast<std::uint32_t>(dialog_->Color) & 0xFFFFFFu);
    sample.setSelStart(0);
}

void Preferences::Command4_Click(int Index) {
    switch (Index) {
    case 0:
        doc_.GamDefaultDirectory = Label2[0]->text();
        doc_.TemplatesDirectory = Label2[1]->text();
        doc_.BitmapPath = Label2[2]->text();
        doc_.ImagesDirectory = Label2[3]->text();
        for (int i = 0; i < BottomRowOptions; ++i) {
            if (Option1[i]->isChecked()) {
                doc_.BottomRow = static_cast<qint16>(i);
            }
        }
        CardSettings::SaveFileLocations(doc_);
        CardSettings::SaveStyles(doc_);
        CardSettings::SaveBottomRow(doc_);
        QCoreApplication::processEvents();
        accept();
        break;
    case 2:
        reject();
        break;
    default: // Help does nothing
        break;
    }
}
