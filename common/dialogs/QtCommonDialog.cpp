#include "common/dialogs/QtCommonDialog.h"

#include "common/dialogs/ColorRef.h"
#include "common/dialogs/FileDialogNames.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

namespace {

// Callers may hand a file path where a folder is expected; its folder is meant then.
QString startFolder(const QString& initDir) {
    if (initDir.isEmpty()) {
        return {};
    }
    const QFileInfo info(initDir);
    if (info.isDir()) {
        return info.absoluteFilePath();
    }
    const QFileInfo parent(info.absolutePath());
    return parent.isDir() ? parent.absoluteFilePath() : QString();
}

} // namespace

bool QtCommonDialog::ShowOpen() {
    return showFile(false);
}

bool QtCommonDialog::ShowSave() {
    return showFile(true);
}

bool QtCommonDialog::showFile(bool save) {
    QFileDialog dialog(parent_, DialogTitle);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The callers ask their own overwrite question; the description is shown as written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QString nameFilter = qtNameFilter(Filter);
    if (!nameFilter.isEmpty()) {
        dialog.setNameFilter(nameFilter);
    }
    const QString folder = startFolder(InitDir);
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (!DefaultExt.isEmpty()) {
        dialog.setDefaultSuffix(DefaultExt);
    }
    if (!FileName.isEmpty()) {
        dialog.selectFile(FileName);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) {
        return false;
    }
    acceptFile(QDir::toNativeSeparators(chosen.first()));
    return true;
}

bool QtCommonDialog::ShowFont() {
    QFont initial(FontName);
    // A face the machine knows only by another name ("Arial" standing for a metric twin) is
    // shown as the face that stands in; the dialog's list holds no aliases.
    if (!FontName.isEmpty() && !QFontDatabase::hasFamily(FontName)) {
        initial.setFamily(QFontInfo(initial).family());
    }
    if (FontSize > 0) {
        initial.setPointSizeF(FontSize);
    }
    initial.setBold(FontBold);
    initial.setItalic(FontItalic);
    initial.setUnderline(FontUnderline);
    bool ok = false;
    // DialogTitle belongs to the file and folder dialogs; a title left there by one of them
    // would name the wrong dialog here.
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent_, QStringLiteral("Font"));
    if (!ok) {
        return false;
    }
    FontName = chosen.family();
    FontSize = chosen.pointSizeF();
    FontBold = chosen.bold();
    FontItalic = chosen.italic();
    FontUnderline = chosen.underline();
    return true;
}

bool QtCommonDialog::ShowColor() {
    const QColor initial = (Flags & ColorStartFromValue) != 0 ? colorFromRef(Color) : Qt::black;
    const QColor chosen = QColorDialog::getColor(initial, parent_, QStringLiteral("Colour"));
    if (!chosen.isValid()) {
        return false;
    }
    Color = refFromColor(chosen);
    return true;
}

bool QtCommonDialog::ShowFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(
        parent_, DialogTitle, startFolder(InitDir), QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) {
        return false;
    }
    FolderName = QDir::toNativeSeparators(chosen);
    return true;
}
