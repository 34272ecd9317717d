#pragma once

#include <QString>

// The folder the fuzz targets keep their files in. Fuzz builds hold every file below it in
// memory, so the targets run the programs' real readers and writers without touching a disk.
inline QString scratchFolder() {
    return QStringLiteral("/memory");
}

// Address-sanitizer defaults (this header is part of one file per target) for the targets that
// build many small texts. New memory is not filled with a pattern: the sanitizer finds no
// uninitialised reads anyway, and the filling took half of their time. Allocation stacks are
// kept four frames deep (a report still names the allocating function; set
// ASAN_OPTIONS=malloc_context_size=30 when reproducing) and freed memory stays poisoned for the
// last 16 MB rather than 256 MB: recording full stacks and recycling the large quarantine took
// a third of the time, and one input frees far less than 16 MB, so a use after free within an
// input is still caught.
extern "C" const char* __asan_default_options() {
    return "max_malloc_fill_size=0:malloc_context_size=4:quarantine_size_mb=16";
}
