#include "card_editor/card/CardSettings.h"

#include "card_editor/card/CardDocument.h"
#include "common/platform/FileSystem.h"
#include "common/platform/Profile.h"

#include <array>

namespace CardSettings {

namespace {

const QString FileLocations = QStringLiteral("FileLocations");
const QString Styles = QStringLiteral("Styles");
const QString Miscellaneous = QStringLiteral("Miscellaneous");
constexpr int LocationBuffer = 100;
constexpr int StyleBuffer = 50;

// The folder the game files are looked for first; it can exist only on Windows.
QString defaultGameFolder() {
#ifdef Q_OS_WIN
    const QString folder = QStringLiteral("C:\\Norvik\\Tkr");
    if (FileSystem::folderExists(folder)) {
        return folder;
    }
#endif
    return QString();
}

QString readLocation(const CardDocument& doc, const QString& key, const QString& fallback) {
    return FileSystem::storedPathCase(
        Profile::readString(FileLocations, key, fallback, LocationBuffer, doc.iniPath()));
}

// A folder beside the program, made when it is missing.
QString besideProgramFolder(const CardDocument& doc, const QString& name) {
    const QString folder = FileSystem::joinPath(doc.programFolder, name);
    if (!FileSystem::folderExists(folder)) {
        FileSystem::makeFolder(folder);
    }
    return folder;
}

qint16 clamp16(int value) {
    return static_cast<qint16>(std::clamp<int>(value, -32768, 32767));
}

// The leading signed decimal number of a text, as a 32-bit value; 0 when there is none or it
// does not fit.
qint32 colourOfText(const QString& text) {
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// The keys of style i, "StyleFontName1" to "StyleFontColour6", made once: each start and each
// save reads or writes all of them.
struct StyleKeys {
    QString fontName, fontSize, fontBold, fontUnderline, fontItalic, fontColour;
};

const StyleKeys& styleKeys(int i) {
    static const std::array<StyleKeys, StyleCount + 1> keys = [] {
        std::array<StyleKeys, StyleCount + 1> all;
        for (int style = 1; style <= StyleCount; ++style) {
            const auto key = [style](const char* stem) {
                return QString::fromLatin1(stem) + QString::number(style);
            };
            all[style] = {key("StyleFontName"),   key("StyleFontSize"),
                          key("StyleFontBold"),   key("StyleFontUnderline"),
                          key("StyleFontItalic"), key("StyleFontColour")};
        }
        return all;
    }();
    return keys[static_cast<std::size_t>(i)];
}

} // namespace

qint32 defaultColour(int style) {
    static constexpr std::array<qint32, StyleCount + 1> colours = {
        0, 0x000000, 0x808080, 0x008000, 0xFF0000, 0x0000FF, 0xFF0000};
    return (style >= 1 && style <= StyleCount) ? colours[style] : 0;
}

void LoadFileLocations(CardDocument& doc) {
    doc.GamDefaultDirectory =
        readLocation(doc, QStringLiteral("GamDefaultDirectory"), defaultGameFolder());
    doc.TemplatesDirectory = readLocation(doc, QStringLiteral("TemplatesDirectory"),
                                          besideProgramFolder(doc, QStringLiteral("Templates")));
    const QString bitmap = FileSystem::joinPath(doc.programFolder, QStringLiteral("Gamecard.bmp"));
    doc.BitmapPath = readLocation(doc, QStringLiteral("BitmapPath"),
                                  FileSystem::fileExists(bitmap) ? bitmap : QString());
    doc.ImagesDirectory = readLocation(doc, QStringLiteral("ImagesDirectory"),
                                       besideProgramFolder(doc, QStringLiteral("Images")));
}

void LoadStyles(CardDocument& doc) {
    const Profile::Reader ini(doc.iniPath()); // 36 keys from one reading
    for (int i = 1; i <= StyleCount; ++i) {
        const StyleKeys& keys = styleKeys(i);
        doc.StyleFontName[i] =
            ini.readString(Styles, keys.fontName, QStringLiteral("Arial"), StyleBuffer);
        doc.StyleFontSize[i] = clamp16(ini.readInt(Styles, keys.fontSize, 8));
        doc.StyleFontBold[i] = clamp16(ini.readInt(Styles, keys.fontBold, 0));
        doc.StyleFontUnderline[i] = clamp16(ini.readInt(Styles, keys.fontUnderline, 0));
        doc.StyleFontItalic[i] = clamp16(ini.readInt(Styles, keys.fontItalic, 0));
        doc.StyleFontColour[i] = colourOfText(ini.readString(
            Styles, keys.fontColour, QString::number(defaultColour(i)), StyleBuffer));
    }
}

void LoadBottomRow(CardDocument& doc) {
    doc.BottomRow =
        clamp16(Profile::readInt(Miscellaneous, QStringLiteral("BottomRow"), 4, doc.iniPath()));
}

// Each section is written in one replacement of the file: every replacement is synced to disk.
void SaveFileLocations(const CardDocument& doc) {
    Profile::writeStrings(FileLocations,
                          {
                              {QStringLiteral("GamDefaultDirectory"), doc.GamDefaultDirectory},
                              {QStringLiteral("TemplatesDirectory"), doc.TemplatesDirectory},
                              {QStringLiteral("BitmapPath"), doc.BitmapPath},
                              {QStringLiteral("ImagesDirectory"), doc.ImagesDirectory},
                          },
                          doc.iniPath());
}

void SaveStyles(const CardDocument& doc) {
    QList<std::pair<QString, QString>> keys;
    keys.reserve(6 * StyleCount);
    for (int i = 1; i <= StyleCount; ++i) {
        const StyleKeys& style = styleKeys(i);
        keys.append({style.fontName, doc.StyleFontName[i]});
        keys.append({style.fontSize, QString::number(doc.StyleFontSize[i])});
        keys.append({style.fontBold, QString::number(doc.StyleFontBold[i])});
        keys.append({style.fontUnderline, QString::number(doc.StyleFontUnderline[i])});
        keys.append({style.fontItalic, QString::number(doc.StyleFontItalic[i])});
        keys.append({style.fontColour, QString::number(doc.StyleFontColour[i])});
    }
    Profile::writeStrings(Styles, keys, doc.iniPath());
}

void SaveBottomRow(const CardDocument& doc) {
    Profile::writeString(Miscellaneous, QStringLiteral("BottomRow"), QString::number(doc.BottomRow),
                         doc.iniPath());
}

} // namespace CardSettings
