#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

// The file, font, colour and folder dialogs both programs ask through. Callers set the
// properties, call one Show function and read the properties back. A Show function returns
// false when the user cancelled; the properties then keep what they held before the call.
class CommonDialog {
public:
    virtual ~CommonDialog() = default;

    // File dialogs. On confirmation FileName holds the chosen full path and FileTitle its
    // name without the folder; DefaultExt is added to a name typed without an extension.
    virtual bool ShowOpen() = 0;
    virtual bool ShowSave() = 0;
    // Font dialog preset with FontName (and the other font values where set), titled "Font".
    virtual bool ShowFont() = 0;
    // Colour dialog titled "Colour"; starts from Color when Flags has ColorStartFromValue.
    virtual bool ShowColor() = 0;
    // Folder picker titled DialogTitle, starting in InitDir when that is set. On confirmation
    // FolderName holds the chosen folder.
    virtual bool ShowFolder() = 0;

    // Pairs of description and pattern separated by "|": "Game file (*.gam)|*.gam".
    QString Filter;
    QString InitDir;
    QString DefaultExt;
    // Title of the file and folder dialogs; empty gives the file dialog its usual title.
    QString DialogTitle;
    QString FileName;
    QString FileTitle;
    QString FolderName;
    int Flags = 0;

    QString FontName;
    // The font dialog's first size is 8 points, plain.
    double FontSize = 8.0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;

    // 0x00BBGGRR; keeps the last chosen colour between calls.
    int Color = 0;

    // Flag values callers set before the font and colour dialogs.
    static constexpr int FontScreenAndPrinter = 3;
    static constexpr int FontEffects = 256;
    static constexpr int ColorStartFromValue = 1;

protected:
    // What a confirmed file dialog leaves behind, shared by every implementation.
    void acceptFile(const QString& path);
};

// Makes a dialog object of its own, with every property fresh, for a window that keeps its own
// dialog state; its dialogs are modal to parent.
using CommonDialogFactory = std::function<std::unique_ptr<CommonDialog>(QWidget* parent)>;
