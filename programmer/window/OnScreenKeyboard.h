#pragma once

#include <QWidget>

#include <array>

class QPushButton;

// The 101-key PC keyboard of the programming tab: the control array Command1, indices 0 to 101
// without 54. It only reports clicks; what a key means is the window's business.
class OnScreenKeyboard : public QWidget {
    Q_OBJECT

public:
    static constexpr int KeyCount = 102; // indices 0..101; 54 has no key
    static constexpr int NoKey = 54;

    explicit OnScreenKeyboard(QWidget* parent = nullptr);

    // The key of an index, or nullptr for 54 and indices outside 0..101.
    QPushButton* key(int index) const;
    void setAllKeysEnabled(bool enabled);

signals:
    void keyClicked(int index);

private:
    std::array<QPushButton*, KeyCount> keys_{};
};
