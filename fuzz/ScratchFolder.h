#pragma once

#include <QString>

// The folder the fuzz targets keep their files in. Fuzz builds hold every file below it in
// memory, so the targets run the programs' real readers and writers without touching a disk.
inline QString scratchFolder() {
    return QStringLiteral("/memory");
}
