#include "common/platform/Profile.h"

#include "common/platform/FileSystem.h"
#include "common/platform/ProfileText.h"

namespace {

std::optional<QString> storedValue(const QString& section, const QString& key,
                                   const QString& filePath) {
    const std::optional<QByteArray> content = FileSystem::readFile(filePath);
    if (!content) {
        return std::nullopt;
    }
    return ProfileText::findValue(*content, section, key);
}

} // namespace

namespace Profile {

QString readString(const QString& section, const QString& key, const QString& defaultValue,
                   int bufferSize, const QString& filePath) {
    if (bufferSize <= 0) {
        return {};
    }
    QString value = storedValue(section, key, filePath).value_or(defaultValue);
    if (value.size() >= bufferSize) {
        value.truncate(bufferSize - 1);
        // Never keep half of a character outside the basic plane.
        if (!value.isEmpty() && value.back().isHighSurrogate()) {
            value.chop(1);
        }
    }
    return value;
}

int readInt(const QString& section, const QString& key, int defaultValue, const QString& filePath) {
    const std::optional<QString> value = storedValue(section, key, filePath);
    if (!value || value->isEmpty()) {
        return defaultValue;
    }
    return ProfileText::parseInt(*value);
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
    if (FileSystem::pathExists(filePath)) {
        // A file that is there but cannot be read is never replaced by a new one.
        std::optional<QByteArray> existing = FileSystem::readFile(filePath);
        if (!existing) {
            return false;
        }
        content = std::move(*existing);
    }
    for (const auto& [key, value] : keyValues) {
        content = ProfileText::withValue(content, section, key, value);
    }
    return FileSystem::replaceFile(filePath, content);
}

} // namespace Profile
