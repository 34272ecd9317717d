#include "card_editor/card/GameCaptions.h"

#include <array>

namespace GameCaptions {

namespace {

// Button tag of each printed button number 1 to 28: "$" and the button's record number.
constexpr std::array<const char16_t*, ButtonCount> ButtonTags = {
    u"$01", u"$02", u"$03", u"$04", u"$0C", u"$14", u"$1C", u"$18", u"$10", u"$08",
    u"$06", u"$0E", u"$16", u"$1A", u"$12", u"$0A", u"$07", u"$0F", u"$17", u"$1B",
    u"$13", u"$0B", u"$09", u"$11", u"$19", u"$15", u"$0D", u"$05"};

constexpr std::array<const char16_t*, ModeCount> ModeTags = {u"$01", u"$02", u"$03", u"$04",
                                                             u"$05"};

// Lines with this many "$" or more are code, length and count lines, or a description that
// itself holds a "$"; none of them is shown.
constexpr int TooManyDollars = 4;

} // namespace

int buttonOfTag(QStringView tag) {
    for (int i = 0; i < ButtonCount; ++i) {
        if (tag == QStringView(ButtonTags[i])) {
            return i + 1;
        }
    }
    return 0;
}

int modeOfTag(QStringView tag) {
    for (int m = 0; m < ModeCount; ++m) {
        if (tag == QStringView(ModeTags[m])) {
            return m;
        }
    }
    return -1;
}

void ExtractButtonCaption(const QString& currentLine, ButtonCaptions& captions) {
    if (currentLine.isEmpty() || currentLine.count(u'$') >= TooManyDollars ||
        !currentLine.contains(u'$')) {
        return;
    }
    const QStringView line(currentLine);
    const int mode = modeOfTag(line.left(3));
    const int button = line.size() >= 7 ? buttonOfTag(line.mid(4, 3)) : 0;
    if (mode < 0 || button == 0) {
        return;
    }
    captions.set(mode, button, line.size() > 12 ? currentLine.mid(12) : QString());
}

std::optional<QString> readLines(const QStringList& lines, ButtonCaptions& captions) {
    captions.clear();
    if (lines.isEmpty()) {
        return std::nullopt;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        ExtractButtonCaption(lines[i], captions);
    }
    return lines.front();
}

} // namespace GameCaptions
