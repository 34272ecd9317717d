#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

// The profile (INI) format on the bytes of a whole file, without touching the disk. The file
// is Windows-1252, or UTF-8 when it starts with a UTF-8 byte-order mark. Lines end with CR LF,
// LF or a lone CR.
namespace ProfileText {

// The value of the first matching key in the first matching section, quotes removed; nullopt
// when the section or key is missing.
std::optional<QString> findValue(const QByteArray& content, const QString& section,
                                 const QString& key);

struct Parsed;

// The lines of one file found once, for many look-ups: a program reads dozens of keys at start.
class Document {
public:
    explicit Document(const QByteArray& content);
    ~Document();
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;

    // As the findValue above, on this document's bytes.
    std::optional<QString> findValue(const QString& section, const QString& key) const;

private:
    std::unique_ptr<const Parsed> parsed_;
};

// The file with the key set to value. Every line but the one written stays byte for byte,
// unless a text does not fit Windows-1252: a Windows-1252 file then becomes UTF-8 with a
// byte-order mark, every line keeping its text.
QByteArray withValue(const QByteArray& content, const QString& section, const QString& key,
                     const QString& value);

// The file with each of keyValues set in turn in section, as withValue one after another
// makes it.
QByteArray withValues(const QByteArray& content, const QString& section,
                      const QList<std::pair<QString, QString>>& keyValues);

// Whether section, key and value can be stored so that they read back: no line breaks, a key
// without "=", neither name empty.
bool canStore(const QString& section, const QString& key, const QString& value);

// A signed decimal integer as the profile functions read it: leading blanks, an optional sign
// and the digits that follow ("12abc" is 12, "abc" is 0), wrapping at 32 bits.
int parseInt(const QString& text);

} // namespace ProfileText
