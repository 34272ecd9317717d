// Key names from arbitrary code text and length codes, and KeyText of arbitrary records: every
// input gives a text, and nothing reads past its input (the sanitizers check that).
#include "common/platform/MessageBox.h"
#include "programmer/gamedata/ButtonRecord.h"
#include "programmer/gamedata/KeyText.h"
#include "programmer/gamedata/KeyVocabulary.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

class SilentMessageBox : public MessageBox {
public:
    int MsgBox(const QString&, int, const QString&) override { return MsgAnswer::Ok; }
};

} // namespace

// Layout: two bytes little-endian length code, then the code text. The record reuses the same
// bytes: byte 0 its press count, bytes 1.. its length codes, the text its code bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    SilentMessageBox box;
    const auto lengthCode = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data + 2),
                                             static_cast<qsizetype>(size - 2));

    // Any code text gives some name, and each modifier byte a name of its own.
    const QString name = FindKey(text, lengthCode, box);
    const QString modifiers = GetModifier(text);
    if (!text.isEmpty() && (name.isEmpty() || modifiers.isEmpty())) {
        std::abort();
    }

    ButtonRecord record;
    record.NumKeyPresses = static_cast<std::int8_t>(data[0]);
    for (int k = 1; k <= ButtonRecord::MaxBytes && static_cast<std::size_t>(k) < size; ++k) {
        record.setKeyPressLen(k, static_cast<std::int8_t>(data[k]));
    }
    for (int j = 1; j <= ButtonRecord::MaxBytes; ++j) {
        record.setKeyCodeByte(j, text.mid(2 * (j - 1), 2));
    }
    const QString keyText = KeyTextOf(record, box);
    if (record.PressCount() == 0 && !keyText.isEmpty()) {
        std::abort(); // a record without presses has no text
    }
    return 0;
}
