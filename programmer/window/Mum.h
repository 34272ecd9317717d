#pragma once

#include <QMainWindow>

// Tavrin's main window.
class Mum : public QMainWindow {
    Q_OBJECT

public:
    explicit Mum(QWidget* parent = nullptr);
};
