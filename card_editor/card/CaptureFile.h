#pragma once

#include <QString>

class QImage;

// The bitmap file a captured card is saved to: in the "Images" folder beside the program,
// named after the game.
namespace CaptureFile {

// The game name with ".bmp", or "capture.bmp" without a game. A character that would lead
// out of the folder or cut the name short ("/", "\" and control characters) becomes "_".
QString fileName(const QString& gameName);

// programFolder/Images/fileName(gameName)
QString path(const QString& programFolder, const QString& gameName);

// Writes the image as a 24-bit bitmap at one pixel per image pixel, over any file of that
// name; an old file stays whole when the new one cannot be written. false on failure, with
// error saying why.
bool write(const QImage& image, const QString& path, QString* error);

} // namespace CaptureFile
