#pragma once

#include <QString>

// The section [Snap stuff] of "Quillet.ini": which release option is checked and the grid step.
struct SnapSettings {
    // 0 snap, 1 resize to the grid, 2 leave the box as it is; other values check nothing.
    int SnapMode = 2;
    int GridCellSize = 5;

    // Missing keys give the defaults. A damaged grid step is put in the dialog's range, since
    // the grid commands cannot work with a step below 1.
    static SnapSettings load(const QString& iniPath);
    // Writes both keys; false when the file could not be written.
    bool save(const QString& iniPath) const;
};
