#include "common/platform/MessageBoxLook.h"

#include "common/platform/MessageBox.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;
};

TEST(MessageBoxLook, EveryStyleCodeHasItsIconAndButtons) {
    using MB = QMessageBox;
    const Expected cases[] = {
        {MsgStyle::OkOnly, MB::NoIcon, MB::Ok, MB::Ok},
        {MsgStyle::YesNo, MB::NoIcon, MB::Yes | MB::No, MB::NoButton},
        {MsgStyle::Critical, MB::Critical, MB::Ok, MB::Ok},
        {MsgStyle::QuestionYesNoCancel, MB::Question, MB::Yes | MB::No | MB::Cancel, MB::Cancel},
        {MsgStyle::QuestionYesNo, MB::Question, MB::Yes | MB::No, MB::NoButton},
        {MsgStyle::Exclamation, MB::Warning, MB::Ok, MB::Ok},
        {MsgStyle::ExclamationYesNo, MB::Warning, MB::Yes | MB::No, MB::NoButton},
        {MsgStyle::Information, MB::Information, MB::Ok, MB::Ok},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.style);
        const MessageBoxLook look = messageBoxLook(expected.style);
        EXPECT_EQ(look.icon, expected.icon);
        EXPECT_EQ(look.buttons, expected.buttons);
        EXPECT_TRUE(look.buttons.testFlag(look.defaultButton));
        EXPECT_EQ(look.escapeButton, expected.escape);
    }
}

TEST(MessageBoxLook, ButtonsGiveTheirAnswerCodes) {
    EXPECT_EQ(messageBoxAnswer(QMessageBox::Yes), 6);
    EXPECT_EQ(messageBoxAnswer(QMessageBox::No), 7);
    EXPECT_EQ(messageBoxAnswer(QMessageBox::Cancel), 2);
    EXPECT_EQ(messageBoxAnswer(QMessageBox::Ok), 1);
}

} // namespace
