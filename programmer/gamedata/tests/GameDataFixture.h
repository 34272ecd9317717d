#pragma once

#include "programmer/gamedata/GameData.h"
#include "programmer/gamedata/tests/RecordingView.h"
#include "tests/support/ScriptedMessageBox.h"

#include <gtest/gtest.h>

// Game data wired to a recording view and a scripted message box.
class GameDataFixture : public ::testing::Test {
protected:
    RecordingView view;
    ScriptedMessageBox box;
    GameData data{view, box};
};
