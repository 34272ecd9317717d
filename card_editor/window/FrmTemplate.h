#pragma once

#include <QMainWindow>

// Quillet's main window.
class FrmTemplate : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmTemplate(QWidget* parent = nullptr);
};
