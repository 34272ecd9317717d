#include "common/platform/Profile.h"

#include "common/platform/FileSystem.h"
#include "common/platform/ProfileText.h"

#include <QFileInfo>

namespace Profile {

Reader::Reader(const QString& filePath) {
    if (const std::optional<QByteArray> content = FileSystem::readFile(filePath)) {
        document_.emplace(*content);
    }
}

std::optional<QString> Reader::storedValue(const QString& section, const QString& key) const {
    return document_ ? document_->findValue(section, key) : std::nullopt;
}

QString Reader::readString(const QString& section, const QString& key, const QString& defaultValue,
                           int bufferSize) const {
    if (bufferSize <= 0) {
        return {};
    }
    QString value = storedValue(section, key).value_or(defaultValue);
    if (value.size() >= bufferSize) {
        value.truncate(bufferSize - 1);
        // Never keep half of a character outside the basic plane.
        if (!value.isEmpty() && value.back().isHighSurrogate()) {
            value.chop(1);
        }
    }
    return value;
}

int Reader::readInt(const QString& section, const QString& key, int defaultValue) const {
    const std::optional<QString> value = storedValue(section, key);
    if (!value || value->isEmpty()) {
        return defaultValue;
    }
    return ProfileText::parseInt(*value);
}

QString readString(const QString& section, const QString& key, const QString& defaultValue,
                   int bufferSize, const QString& filePath) {
    // A zero size reads nothing, not even the file.
    return bufferSize <= 0 ? QString()
                           : Reader(filePath).readString(section, key, defaultValue, bufferSize);
}

int readInt(const QString& section, const QString& key, int defaultValue, const QString& filePath) {
    return Reader(filePath).readInt(section, key, defaultValue);
}

bool writeString(const QString& section, const QString& key, const QString& value,
                 const QString& filePath) {
    return writeStrings(section, {{key, value}}, filePath);
}

bool writeStrings(const QString& section, const QList<std::pair<QString, QString>>& keyValues,
                  const QString& filePath) {
    for (const auto& [key, value] : keyValues) {
        if (!ProfileText::canStore(section, key, value)) {
            return false;
        }
    }
    QByteArray content;
    const bool exists = FileSystem::pathExists(filePath);
    if (!exists && !FileSystem::folderExists(QFileInfo(filePath).path())) {
        return false; // nothing can be written there: fail before building the file
    }
    if (exists) {
        // A file that is there but cannot be read is never replaced by a new one.
        std::optional<QByteArray> existing = FileSystem::readFile(filePath);
        if (!existing) {
            return false;
        }
        content = std::move(*existing);
    }
    return FileSystem::replaceFile(filePath, ProfileText::withValues(content, section, keyValues));
}

} // namespace Profile
