#pragma once

#include "common/dialogs/CommonDialog.h"

class QWidget;

// The common dialogs shown with Qt's file, font and colour dialogs, modal to the parent.
class QtCommonDialog : public CommonDialog {
public:
    explicit QtCommonDialog(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    bool ShowOpen() override;
    bool ShowSave() override;
    bool ShowFont() override;
    bool ShowColor() override;
    bool ShowFolder() override;

private:
    bool showFile(bool save);

    QWidget* parent_;
};
