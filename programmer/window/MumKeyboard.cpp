// The on-screen keyboard: each click adds a key press to the edit record, modifier keys gather
// into a chord for the next ordinary key, and the button's 14 code bytes are never exceeded.
#include "programmer/window/Mum.h"

#include "common/platform/MessageBox.h"
#include "programmer/window/OnScreenKeyboard.h"
#include "programmer/window/ProgrammingTab.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int FirstModifierKey = 58; // Shift, Shift, Ctrl, Ctrl, Alt, Alt
constexpr int LastModifierKey = 63;

bool isModifierKey(int index) {
    return index >= FirstModifierKey && index <= LastModifierKey;
}

} // namespace

void Mum::setModifierKeysEnabled(bool enabled) {
    for (int k = FirstModifierKey; k <= LastModifierKey; ++k) {
        programmingTab->keyboard->key(k)->setEnabled(enabled);
    }
}

int Mum::chordBytes() const {
    int bytes = 0;
    for (int i = 0; i < data_.ChordStepCount && i < ChordSteps.size(); ++i) {
        bytes += static_cast<int>(ChordSteps.at(i).size() / 2);
    }
    return bytes;
}

void Mum::endChord() {
    data_.ChordStepCount = 0;
    ChordSteps = QStringList{QString()};
}

void Mum::Command1_Click(int Index) {
    ProgrammingTab* tab = programmingTab;
    data_.ProgrammingInProgress = 1;

    if (isModifierKey(Index)) {
        bool startChord = data_.ChordStepCount > 0 || data_.Settings.AlwaysChorded != 0;
        if (!startChord) {
            startChord =
                messageBox().MsgBox(
                    QStringLiteral("Do you want this key to be held down whilst you "
                                   "press another or other keys? (ie. as a chorded key)"),
                    MsgStyle::YesNo, QStringLiteral("Set up chorded key?")) == MsgAnswer::Yes;
        }
        if (startChord) {
            if (data_.ChordStepCount == 0) {
                ChordSteps.clear();
            }
            // Only the counted steps belong to the chord.
            ChordSteps = ChordSteps.mid(0, data_.ChordStepCount);
            data_.GetKeystrings(Index);
            ChordSteps.append(data_.CurrentKeyCodes);
            data_.ChordStepCount = static_cast<int>(ChordSteps.size());
            // Both keys of the kind: Shift 58/59, Ctrl 60/61, Alt 62/63.
            const int left = FirstModifierKey + 2 * ((Index - FirstModifierKey) / 2);
            tab->keyboard->key(left)->setEnabled(false);
            tab->keyboard->key(left + 1)->setEnabled(false);
            return;
        }
        data_.GetKeystrings(Index); // a lone modifier: a key press of its own
    } else {
        setModifierKeysEnabled(true);
        data_.GetKeystrings(Index);
    }

    ButtonRecord& edit = *data_.TempButton.at(1);
    const int stored = edit.BytesUsed();
    const int modifierBytes = chordBytes();
    const int keyBytes = static_cast<int>(data_.CurrentKeyCodes.size() / 2);
    // A record already holding 14 presses (possible only from a game file) takes no more.
    if (stored + modifierBytes + keyBytes > ButtonRecord::MaxBytes ||
        edit.PressCount() >= ButtonRecord::MaxBytes) {
        messageBox().MsgBox(QStringLiteral("The key presses you've selected use up more memory "
                                           "than can be allocated to this Brelkin button."),
                            MsgStyle::Critical, QStringLiteral("Too many keypresses"));
        return;
    }

    const int n = edit.PressCount() + 1;
    edit.NumKeyPresses = static_cast<qint16>(n);
    edit.setKeyPressLen(n, 10 * modifierBytes + keyBytes);
    QString press = data_.CurrentKeyCodes;
    if (data_.ChordStepCount > 0) {
        press = ChordSteps.mid(0, data_.ChordStepCount).join(QString()) + press;
        data_.CurrentKeyCodes = press;
    }
    for (int i = 1; i <= press.size() / 2; ++i) {
        edit.setKeyCodeByte(stored + i, press.mid(2 * (i - 1), 2));
    }

    AssignTempDataAndDisplay();
    tab->Command2[1]->setEnabled(true);
    endChord();
    if (tab->Text1->text().isEmpty()) {
        tab->Text1->setFocus();
    } else if (tab->Command2[0]->isEnabled()) {
        tab->Command2[0]->setFocus();
    }
}
