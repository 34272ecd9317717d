#pragma once

#include "card_editor/card/ButtonCaptions.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// Quillet's reading of a game file: the game name and the description lines, nothing else.
namespace GameCaptions {

// The button number (1 to 28) of a button tag such as "$0C", or 0 when it is no tag. Tags are
// compared exactly: "$0c" is no tag.
int buttonOfTag(QStringView tag);

// The mode (0 to 4) of a mode tag "$01" to "$05", or -1.
int modeOfTag(QStringView tag);

// Stores the caption of one description line; every other line changes nothing.
void ExtractButtonCaption(const QString& currentLine, ButtonCaptions& captions);

// Reads the lines of a game file into emptied captions. The game name is line 1; an empty
// file has none.
std::optional<QString> readLines(const QStringList& lines, ButtonCaptions& captions);

} // namespace GameCaptions
