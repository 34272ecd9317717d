#pragma once

#include <QString>

struct CardDocument;

// [Default images] of "Quillet.ini": one picture path per game name, shown whenever a game
// file of that name is opened.
namespace DefaultImages {

// The text that stands for "no picture", in ImagePath and in the file.
QString none();
bool isNone(const QString& path);

// The stored picture path of the document's game, in the case paths are kept in; "none" when
// the game has no entry. Paths come back whole, however long.
QString read(const CardDocument& doc);

// Records the document's picture as its game's default. Nothing is written without a game
// name or without a picture; false when nothing was stored.
bool save(const CardDocument& doc);

} // namespace DefaultImages
