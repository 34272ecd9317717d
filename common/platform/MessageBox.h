#pragma once

#include <QString>

// Style codes and answers of the message boxes both programs show.
namespace MsgStyle {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;            // critical icon, OK
constexpr int QuestionYesNoCancel = 35; // question icon, Yes/No/Cancel
constexpr int QuestionYesNo = 36;       // question icon, Yes/No
constexpr int Exclamation = 48;         // exclamation icon, OK
constexpr int ExclamationYesNo = 52;    // exclamation icon, Yes/No
constexpr int Information = 64;         // information icon, OK
} // namespace MsgStyle

namespace MsgAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgAnswer

// Shows a message box and returns the button pressed. The windows receive one from outside so
// that tests can script the answers.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
};
