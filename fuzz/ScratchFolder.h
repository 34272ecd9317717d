#pragma once

#include <QString>

// The folder the fuzz targets keep their files in. Fuzz builds hold every file below it in
// memory, so the targets run the programs' real readers and writers without touching a disk.
inline QString scratchFolder() {
    return QStringLiteral("/memory");
}

// Address-sanitizer defaults (this header is part of one file per target) for the targets that
// build large texts: new memory is not filled with a pattern, which the sanitizer does not need
// (it finds no uninitialised reads anyway) and which took half of their time.
extern "C" const char* __asan_default_options() {
    return "max_malloc_fill_size=0";
}
