#pragma once

#include <QString>

// "desc|pattern|desc2|pattern2" as Qt's name filter "desc (pattern);;desc2 (pattern2)".
// Several patterns "a;b" become "a b"; "*.*" becomes "*" so that names without a dot show too.
// A description without a pattern, or with an empty one, is left out.
QString qtNameFilter(const QString& filter);

// The path with "." + ext added when its file name has no extension; unchanged otherwise or
// when either is empty.
QString withDefaultExtension(const QString& path, const QString& ext);
