#include "programmer/gamedata/GameFile.h"

#include "common/platform/Cp1252.h"
#include "programmer/gamedata/GameData.h"
#include "programmer/gamedata/HexDigits.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int Records = GameData::RecordCount;
constexpr int Modes = GameData::ModeCount;
constexpr int Groups = ButtonRecord::MaxBytes;

// Line of mode m, record r within a block of 140 lines that starts at firstLine (1-based).
int RecordLine(int firstLine, int m, int r) {
    return firstLine + Records * (m - 1) + r - 1;
}

// Line n (1-based) of lines, or nullptr past the end.
const QStringView* LineAt(const QList<QStringView>& lines, int n) {
    return n >= 1 && n <= lines.size() ? &lines.at(n - 1) : nullptr;
}

// A line of groups "$HH " built in place: a save makes some 6000 groups, and one string per
// line is all it allocates.
class GroupLine {
public:
    void append(QStringView field) {
        chars_[size_++] = u'$';
        for (const QChar c : field.left(2)) {
            chars_[size_++] = c.unicode();
        }
        chars_[size_++] = u' ';
    }

    void appendHH(int value) {
        static constexpr char16_t Digits[] = u"0123456789ABCDEF";
        const int clamped = std::clamp(value, 0, 255);
        const char16_t field[2] = {Digits[clamped / 16], Digits[clamped % 16]};
        append(QStringView(field, 2));
    }

    QStringView view() const { return QStringView(chars_.data(), size_); }

private:
    std::array<char16_t, 4 * std::max(GameData::RecordCount, ButtonRecord::MaxBytes)> chars_{};
    qsizetype size_ = 0;
};

// The characters of the field of group j, fewer (or none) where the line is too short.
QStringView FieldOf(QStringView line, int group) {
    const qsizetype at = 4 * qsizetype{group} - 3;
    return at >= 0 && at < line.size() ? line.sliced(at, std::min<qsizetype>(2, line.size() - at))
                                       : QStringView();
}

// Value of the field of group j when it is two upper-case hexadecimal digits, else -1.
int UpperHexField(QStringView line, int group) {
    const qsizetype at = 4 * qsizetype{group} - 3;
    if (at < 0 || at + 2 > line.size()) {
        return -1;
    }
    return HexDigits::UpperPair(line[at], line[at + 1]);
}

// Hexadecimal value of the field of group j; characters past the line's end count as blanks,
// which end the value.
int GroupValue(QStringView line, int group) {
    const int value = UpperHexField(line, group);
    return value >= 0 ? value : GameFile::HexValue(FieldOf(line, group));
}

// Every code byte as two upper-case hexadecimal digits, built once: a file holds some 2000
// fields, and records share these rather than each holding a copy.
const std::array<QString, 256>& SharedHexFields() {
    static const std::array<QString, 256> fields = [] {
        std::array<QString, 256> all;
        for (int value = 0; value < 256; ++value) {
            all[value] = GameFile::HH(value);
        }
        return all;
    }();
    return fields;
}

// The file's bytes, a line at a time: each in Windows-1252 and ended by CR LF, as the format
// has it. Written straight into one buffer: a save makes some 300 lines.
class FileBytes {
public:
    FileBytes() { bytes_.reserve(GameFile::FixedLines * (4 * Records + 2)); }

    void line(QStringView text) {
        Cp1252::appendEncoded(bytes_, text);
        bytes_.append("\r\n", 2);
    }

    QByteArray take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
};

// One line of 14 groups per record, modes 1..5 and records 1..28 in order; appendGroup(line,
// record, j) appends group j.
template <typename AppendGroupOf>
void AppendRecordLines(FileBytes& file, const GameData& data, AppendGroupOf appendGroup) {
    for (int m = 1; m <= Modes; ++m) {
        for (const ButtonRecord& record : *data.ModeArray(m)) {
            GroupLine line;
            for (int j = 1; j <= Groups; ++j) {
                appendGroup(line, record, j);
            }
            file.line(line.view());
        }
    }
}

QString DescriptionLine(int m, int r, const QString& description) {
    // The count is of the characters the file will hold: a character beyond the basic plane
    // takes two places in memory but is written as one "?", and the reader takes the last
    // count characters of the line.
    const QString text = GameFile::WithoutLineBreaks(description);
    const int stored = static_cast<int>(Cp1252::encode(text).size());
    GroupLine head; // "$0m $rr $cc "
    const char16_t tag[2] = {u'0', static_cast<char16_t>(u'0' + m)};
    head.append(QStringView(tag, 2));
    head.appendHH(r);
    head.appendHH(stored);
    QString line;
    line.reserve(head.view().size() + text.size());
    line.append(head.view());
    line.append(text);
    return line;
}

// A description line: tag "$01".."$05", record and count in hexadecimal, the description in
// the last count characters. Other tags and record numbers change nothing.
void ReadDescriptionLine(QStringView line, GameData& data) {
    const QStringView tag = line.left(3);
    if (tag.size() != 3 || tag.left(2) != u"$0") {
        return;
    }
    const int m = tag.at(2).unicode() - u'0';
    ButtonRecord* record = data.Record(m, GameFile::HexValue(line.mid(5, 2)));
    if (record == nullptr) {
        return;
    }
    const int count = GameFile::HexValue(line.mid(9, 2));
    record->Description = GameFile::WithoutLineBreaks(line.right(count).toString());
}

} // namespace

namespace GameFile {

QString HH(int value) {
    GroupLine group;
    group.appendHH(value);
    return group.view().mid(1, 2).toString();
}

int HexValue(QStringView text) {
    int value = 0;
    for (const QChar c : text) {
        const int digit = HexDigits::Any(c);
        if (digit < 0) {
            break;
        }
        if (value > 0xFFFFFF) {
            break; // no field is that long; stop before the value overflows
        }
        value = value * 16 + digit;
    }
    return value;
}

QString WithoutLineBreaks(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QString GroupField(QStringView line, int group) {
    // Nearly every field of a file, "FF" included, is two upper-case digits: shared, not copied.
    const int value = UpperHexField(line, group);
    if (value >= 0) {
        return SharedHexFields()[value];
    }
    const qsizetype at = 4 * qsizetype{group} - 3;
    char16_t field[2] = {u' ', u' '};
    for (qsizetype k = 0; k < 2; ++k) {
        if (at + k >= 0 && at + k < line.size()) {
            // Half of a character outside the basic plane (from a UTF-8 file) would be written
            // as one "?" with its other half and shift the line's columns.
            const QChar c = line.at(at + k);
            field[k] = c.isSurrogate() ? u'?' : c.unicode();
        }
    }
    // The blanks past the end of a short line, the next most common field, are shared too.
    static const QString Blanks = QStringLiteral("  ");
    return field[0] == u' ' && field[1] == u' ' ? Blanks : QStringView(field, 2).toString();
}

QByteArray Bytes(const QString& gameName, const GameData& data) {
    FileBytes file;
    file.line(WithoutLineBreaks(gameName));
    AppendRecordLines(file, data, [](GroupLine& line, const ButtonRecord& record, int j) {
        line.append(record.KeyCodeByte(j));
    });
    AppendRecordLines(file, data, [](GroupLine& line, const ButtonRecord& record, int j) {
        line.appendHH(record.KeyPressLen(j));
    });
    for (int m = 1; m <= Modes; ++m) {
        GroupLine line;
        for (const ButtonRecord& record : *data.ModeArray(m)) {
            line.appendHH(record.NumKeyPresses);
        }
        file.line(line.view());
    }
    for (int m = 1; m <= Modes; ++m) {
        for (int r = 1; r <= Records; ++r) {
            const QString& description = data.Record(m, r)->Description;
            if (!description.isEmpty()) {
                file.line(DescriptionLine(m, r, description));
            }
        }
    }
    return file.take();
}

void Read(const QList<QStringView>& lines, GameData& data) {
    if (const QStringView* name = LineAt(lines, 1)) {
        data.GameName = WithoutLineBreaks(name->toString());
    }
    for (int m = 1; m <= Modes; ++m) {
        for (int r = 1; r <= Records; ++r) {
            ButtonRecord& record = *data.Record(m, r);
            if (const QStringView* line = LineAt(lines, RecordLine(CodeByteFirstLine, m, r))) {
                for (int j = 1; j <= Groups; ++j) {
                    record.setKeyCodeByte(j, GroupField(*line, j));
                }
            }
            if (const QStringView* line = LineAt(lines, RecordLine(LengthCodeFirstLine, m, r))) {
                for (int j = 1; j <= Groups; ++j) {
                    record.setKeyPressLen(j, GroupValue(*line, j));
                }
            }
        }
    }
    for (int m = 1; m <= Modes; ++m) {
        if (const QStringView* line = LineAt(lines, PressCountFirstLine + m - 1)) {
            for (int r = 1; r <= Records; ++r) {
                data.Record(m, r)->NumKeyPresses = static_cast<qint16>(GroupValue(*line, r));
            }
        }
    }
    for (qsizetype n = FixedLines; n < lines.size(); ++n) {
        ReadDescriptionLine(lines.at(n), data);
    }
}

} // namespace GameFile
