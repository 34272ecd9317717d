#pragma once

#include "common/platform/ProfileText.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The profile (INI) functions both programs keep their settings with, behaving as the Windows
// ones: sections and keys match without regard to ASCII case, the first of a duplicate counts,
// a write changes one line and leaves every other byte of the file as it was.
namespace Profile {

// The value of the key, or defaultValue when it is missing; at most bufferSize - 1 characters.
QString readString(const QString& section, const QString& key, const QString& defaultValue,
                   int bufferSize, const QString& filePath);

// The value read as a signed decimal integer; defaultValue when the key is missing or empty.
int readInt(const QString& section, const QString& key, int defaultValue, const QString& filePath);

// One reading of a profile file for many look-ups, each as the function of the same name below
// makes it; changes to the file after the reading are not seen. A missing file reads as empty.
class Reader {
public:
    explicit Reader(const QString& filePath);

    QString readString(const QString& section, const QString& key, const QString& defaultValue,
                       int bufferSize) const;
    int readInt(const QString& section, const QString& key, int defaultValue) const;

private:
    std::optional<QString> storedValue(const QString& section, const QString& key) const;

    std::optional<ProfileText::Document> document_;
};

// Sets the key, adding it, its section or the file as needed. False when the file could not be
// written (it is then untouched), or when the texts cannot be stored so that they read back.
bool writeString(const QString& section, const QString& key, const QString& value,
                 const QString& filePath);

// Sets several keys of one section in one replacement of the file; the file ends up as after
// one writeString per key in this order. False, with the file untouched, when any of them
// cannot be stored or the file cannot be written.
bool writeStrings(const QString& section, const QList<std::pair<QString, QString>>& keyValues,
                  const QString& filePath);

} // namespace Profile
