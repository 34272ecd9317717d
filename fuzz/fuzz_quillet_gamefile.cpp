// Quillet's reading of a game file into the game name and the caption arrays.
#include "card_editor/card/GameCaptions.h"
#include "common/platform/Cp1252.h"
#include "common/platform/TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ButtonCaptions captions;
    const std::optional<QString> name =
        GameCaptions::readLines(TextFile::splitLines(Cp1252::decode(bytes)), captions);
    for (const auto& mode : captions.modes) {
        if (!mode.front().isEmpty() || !mode.back().isEmpty()) {
            std::abort(); // elements 0 and 29 are never filled
        }
    }
    if (size == 0 && name.has_value()) {
        std::abort();
    }
    return 0;
}
