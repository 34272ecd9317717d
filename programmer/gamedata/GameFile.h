#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

class GameData;

// The ".gam" format: the game name, 140 code-byte lines, 140 length-code lines, 5 press-count
// lines, then one description line per programmed record. Quillet reads the same files, so the
// layout is fixed to the character.
namespace GameFile {

constexpr int CodeByteFirstLine = 2;     // mode m, record r at 1 + 28(m - 1) + r
constexpr int LengthCodeFirstLine = 142; // mode m, record r at 141 + 28(m - 1) + r
constexpr int PressCountFirstLine = 282; // mode m at 281 + m
constexpr int FixedLines = 286;          // description lines follow

// Two upper-case hexadecimal digits, "0" in front of a single one. Values outside 0..255
// never come from the program; they are clamped so that a line keeps its columns.
QString HH(int value);

// The value of the leading hexadecimal digits of text, either letter case; 0 when there are
// none.
int HexValue(QStringView text);

// Characters 4j - 2 and 4j - 1 of line: the field of group j (1-based), blanks where the line
// is too short.
QString GroupField(QStringView line, int group);

// text with every CR and LF replaced by a blank: a line break inside the game name or a
// description would shift every line after it.
QString WithoutLineBreaks(QString text);

// The whole file for this game name and the five modes of data, in Windows-1252 with CR LF
// line ends; always FixedLines lines plus one per programmed record.
QByteArray Bytes(const QString& gameName, const GameData& data);

// Reads lines (views of the file's text, see TextFile::splitLineViews) into GameName and the
// five modes. The records must be blank beforehand; lines that are missing leave them so, and
// a missing first line leaves GameName as it was.
void Read(const QList<QStringView>& lines, GameData& data);

} // namespace GameFile
