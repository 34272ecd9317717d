// The key-assignment document: its toolbar, file commands, clipboard and printing.
#include "programmer/window/Mum.h"

#include "common/dialogs/CommonDialog.h"
#include "common/platform/FileSystem.h"
#include "common/platform/MessageBox.h"
#include "common/platform/TextFile.h"
#include "common/printing/PrintRTFWordWrap.h"
#include "common/printing/Printer.h"
#include "common/richtext/RichTextBox.h"
#include "common/richtext/RichTextClipboard.h"
#include "programmer/window/KeyAssignmentDocument.h"
#include "programmer/window/KeyAssignmentTab.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QMimeData>

namespace {

using KeyAssignmentDocument::UntitledName;

constexpr int OneInch = 1440;

// A mixed selection has no value to reverse; it stays as it is.
std::optional<bool> reversed(std::optional<bool> value) {
    return value ? std::optional<bool>(!*value) : std::nullopt;
}

} // namespace

void Mum::Toolbar1_ButtonClick(int Index) {
    RichTextBox& box = *TemplateText;
    switch (Index) {
    case 1:
        NewTextFile();
        break;
    case 2:
        OpenTextFile();
        break;
    case 3:
        SaveTextFile();
        break;
    case 5:
        PrintTextFile();
        break;
    case 7:
        copyDocumentSelection(true);
        break;
    case 8:
        copyDocumentSelection(false);
        break;
    case 9:
        pasteIntoDocument();
        break;
    case 11:
        box.setSelBold(reversed(box.SelBold()));
        break;
    case 12:
        box.setSelItalic(reversed(box.SelItalic()));
        break;
    case 13:
        box.setSelUnderline(reversed(box.SelUnderline()));
        break;
    case 14:
        box.setSelStrikeThru(reversed(box.SelStrikeThru()));
        break;
    case 16:
        box.setSelAlignment(0);
        break;
    case 17:
        box.setSelAlignment(2);
        break;
    case 18:
        box.setSelAlignment(1);
        break;
    default:
        break;
    }
}

void Mum::Toolbar1_ButtonMenuClick(int Index) {
    if (Index == 1) {
        SaveTextFile();
    } else if (Index == 2) {
        SaveTextFileAs();
    }
}

// Asks about unsaved changes before the document is replaced; true when the command must stop.
bool Mum::keepUnsavedDocument(const QString& before, const QString& notProceeding) {
    if (TextChanged != 1) {
        return false;
    }
    const int answer = messageBox().MsgBox(
        TextFileTitle +
            QStringLiteral(" has changed and isn't saved. Do you want to save it "
                           "before ") +
            before + QLatin1Char('?'),
        MsgStyle::QuestionYesNoCancel, QStringLiteral(" Save ") + TextFileTitle + " now?");
    if (answer == MsgAnswer::No) {
        return false;
    }
    if (answer != MsgAnswer::Yes) {
        return true; // Cancel, or the box closed
    }
    SaveTextFile();
    if (TextChanged == 1) {
        messageBox().MsgBox(TextFileTitle +
                                QStringLiteral(" wasn't saved for some reason. I won't proceed "
                                               "in ") +
                                notProceeding,
                            MsgStyle::Exclamation, QStringLiteral("Ooops!"));
        return true;
    }
    return false;
}

void Mum::NewTextFile() {
    if (keepUnsavedDocument(QStringLiteral("creating a new file"),
                            QStringLiteral("creating a new file"))) {
        return;
    }
    TextFilePath = FileSystem::joinPath(programFolder_, UntitledName);
    TextFileTitle = UntitledName;
    TemplateText->setText(QString());
    TemplateText->setSelColor(0);
    TemplateText->setPlainTextEncoding(TextFile::Encoding::Utf8WhenNeeded);
    TextChanged = 0; // clearing the box is no change
    SetStatusPanel(1, QStringLiteral("New text file created"));
    TemplateText->SetFocus();
}

void Mum::OpenTextFile() {
    if (keepUnsavedDocument(QStringLiteral("opening another file"),
                            QStringLiteral("opening up another file"))) {
        return;
    }
    // The dialog is shared with the game-file commands: nothing of theirs may show here.
    CommonDialog& dialog = services_.commonDialog;
    const QString& lastFolder = data_.Settings.LastTextfolder;
    dialog.InitDir =
        !lastFolder.isEmpty() && FileSystem::folderExists(lastFolder) ? lastFolder : QString();
    dialog.Filter = KeyAssignmentDocument::DialogFilter;
    dialog.DefaultExt.clear();
    dialog.DialogTitle = QStringLiteral("Open text file");
    dialog.FileName.clear();
    if (!dialog.ShowOpen()) {
        return;
    }
    const QString path = dialog.FileName;
    const QString title = dialog.FileTitle;
    QString why;
    if (!TemplateText->LoadFile(path, 0, &why)) {
        // The box keeps its text, and the document its name, its flag and its settings.
        SetStatusPanel(1, QStringLiteral("Warning: File not opened."));
        const QString cause = FileSystem::pathExists(path)
                                  ? QStringLiteral("The system says: ") + why + QLatin1Char('.')
                                  : QStringLiteral("It may have been moved or deleted.");
        messageBox().MsgBox(title + QStringLiteral(" couldn't be opened. ") + cause +
                                QStringLiteral(" Your document stays as it was."),
                            MsgStyle::Exclamation, QStringLiteral("Ooops!"));
        return;
    }
    TextFilePath = path;
    TextFileTitle = title;
    rememberDocument();
    SetStatusPanel(1, TextFileTitle + QStringLiteral(" was opened successfully"));
    TextChanged = 0;
    TemplateText->SetFocus();
}

void Mum::SaveTextFile() {
    if (TextFileTitle == UntitledName) {
        SaveTextFileAs();
        return;
    }
    if (tellReadOnly(TextFilePath, TextFileTitle)) {
        SaveTextFileAs();
        return;
    }
    if (!writeDocument(TextFilePath, TextFileTitle)) {
        SetStatusPanel(1, QStringLiteral("Warning: File not saved."));
        return;
    }
    TextChanged = 0;
    SetStatusPanel(1, TextFileTitle + QStringLiteral(" was saved successfully"));
    TemplateText->SetFocus();
}

void Mum::SaveTextFileAs() {
    CommonDialog& dialog = services_.commonDialog;
    // The dialog opens where the document is (a path where a folder is expected is its folder).
    dialog.InitDir = TextFilePath;
    dialog.Filter = KeyAssignmentDocument::DialogFilter;
    dialog.DefaultExt = QStringLiteral("rtf");
    dialog.DialogTitle = QStringLiteral("Save text file as ...");
    dialog.FileName.clear();
    if (!dialog.ShowSave()) {
        return;
    }
    const QString path = dialog.FileName;
    const QString title = dialog.FileTitle;
    if (!mayOverwrite(path, title)) {
        return;
    }
    // Only a document really written takes the new name.
    if (!writeDocument(path, title)) {
        SetStatusPanel(1, QStringLiteral("Warning: File not saved."));
        return;
    }
    TextFilePath = path;
    TextFileTitle = title;
    rememberDocument();
    TextChanged = 0;
    SetStatusPanel(1, TextFileTitle + QStringLiteral(" was saved successfully"));
    TemplateText->SetFocus();
}

bool Mum::writeDocument(const QString& path, const QString& title) {
    // Plain text goes out as the document holds it: no line end after the last paragraph.
    return TemplateText->SaveFile(path, KeyAssignmentDocument::savesAsRtf(title) ? 0 : 1);
}

void Mum::rememberDocument() {
    ProgrammerSettings& settings = data_.Settings;
    settings.LastTextFilePath = TextFilePath;
    settings.LastTextFileName = TextFileTitle;
    settings.LastTextfolder = ProgrammerSettings::FolderOf(TextFilePath);
    keyAssignmentTab->setFileName(TextFileTitle);
    data_.WriteIniSettings();
}

void Mum::PrintTextFile() {
    if (TemplateText->Text().isEmpty()) {
        return;
    }
    if (!services_.printerCount || services_.printerCount() < 1) {
        messageBox().MsgBox(QStringLiteral("I couldn't detect a printer connected to your system. "
                                           "Please check your printer settings."),
                            MsgStyle::Exclamation, QStringLiteral("No printer to print to"));
        return;
    }
    SetStatusPanel(1, QStringLiteral("Printing ") + TextFileTitle);
    const std::unique_ptr<Printer> printer = services_.makePrinter();
    // The header opens the job; a job that does not start prints nothing more.
    bool printing = printer != nullptr && printer->Print(QString());
    if (printing) {
        printer->SetFontBold(true);
        printing = printer->Print(TextFileTitle) &&
                   printer->Print(QStringLiteral("Printed on: ") +
                                  KeyAssignmentDocument::printedOn(QDateTime::currentDateTime()));
        printer->SetFontBold(false);
        printing = printing && printer->Print(QString());
    }
    if (!printing) {
        if (printer != nullptr) {
            printer->EndDoc();
        }
        SetStatusPanel(1, QStringLiteral("Warning: ") + TextFileTitle +
                              QStringLiteral(" was not printed."));
        return;
    }
    PrintRTF(*printer, *TemplateText, OneInch, OneInch, OneInch, OneInch);
    SetStatusPanel(1, QStringLiteral("Finished printing ") + TextFileTitle);
    printer->EndDoc();
}

void Mum::copyDocumentSelection(bool cut) {
    RichTextBox& box = *TemplateText;
    // With nothing selected the clipboard keeps what it holds, perhaps from another program.
    if (box.SelLength() == 0) {
        return;
    }
    QApplication::clipboard()->setMimeData(
        RichTextClipboard::mimeData(box.SelRTF(), box.SelText()));
    if (cut) {
        box.setSelText(QString());
    }
}

void Mum::pasteIntoDocument() {
    RichTextBox& box = *TemplateText;
    // An empty clipboard leaves the selection alone rather than deleting it.
    if (const QMimeData* data = QApplication::clipboard()->mimeData()) {
        if (const QByteArray rtf = RichTextClipboard::rtf(*data); !rtf.isEmpty()) {
            box.setSelRTF(rtf);
        } else if (data->hasText()) {
            box.setSelText(data->text());
        }
    }
    box.SetFocus();
}
