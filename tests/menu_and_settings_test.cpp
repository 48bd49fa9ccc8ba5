// The menu's commands and the settings dialog's buttons, with the window and dialog left out.
#include "engine/game.h"
#include "tests/support/boards.h"
#include "ui/menu_commands.h"
#include "ui/resource.h"
#include "ui/settings_form.h"
#include "ui/turn_controller.h"

#include <gtest/gtest.h>
#include <set>

namespace {

class RecordingActions : public MenuActions {
public:
    int closes = 0;
    int dialogs = 0;
    void closeWindow() override { ++closes; }
    void runSettingsDialog() override { ++dialogs; }
};

class FakeButtons : public DialogButtons {
public:
    std::set<int> checked;
    void check(int id) override { checked.insert(id); }
    bool isChecked(int id) const override { return checked.count(id) != 0; }
};

class Settings : public testing::Test {
protected:
    void SetUp() override { startDefaultGame(game); }
};

TEST_F(Settings, EachMenuCommandDoesItsOwnThing) {
    game.makeMove({3, 7, 4, 6});
    game.switchSide();
    gameActive = 0;
    RecordingActions actions;
    menuCommand(IDM_SETTINGS, actions);
    menuCommand(IDM_QUIT, actions);
    menuCommand(12345, actions);
    EXPECT_EQ(actions.dialogs, 1);
    EXPECT_EQ(actions.closes, 1);
    EXPECT_EQ(game.getSquare(4, 6), RedMan); // no new game yet

    menuCommand(IDM_NEW_GAME, actions);
    EXPECT_EQ(game.getSquare(4, 6), Empty);
    EXPECT_EQ(game.getSquare(3, 7), RedMan);
    EXPECT_EQ(game.getSideToMove(), Red);
    EXPECT_EQ(gameActive, 1);
    EXPECT_EQ(actions.dialogs + actions.closes, 2);
}

TEST_F(Settings, TheDialogOpensWithTheDefaultsChecked) {
    FakeButtons buttons;
    showSettings(buttons);
    EXPECT_EQ(buttons.checked, (std::set<int>{IDC_STRENGTH_5, IDC_MEN_12, IDC_RED_MOVES_FIRST}));
}

TEST_F(Settings, TheDialogShowsEverySettingAsItIs) {
    game.setStrength(0);
    game.setPieceSetting(8);
    game.setRedAllKings(1);
    game.setBlueAllKings(1);
    game.setRedMovesFirst(0);
    game.setVsHuman(1);
    FakeButtons buttons;
    showSettings(buttons);
    EXPECT_EQ(buttons.checked, (std::set<int>{IDC_STRENGTH_0, IDC_MEN_8, IDC_RED_ALL_KINGS,
                                              IDC_BLUE_ALL_KINGS, IDC_VS_HUMAN}));

    game.setStrength(11);
    FakeButtons eleven;
    showSettings(eleven);
    EXPECT_EQ(eleven.checked.count(IDC_STRENGTH_11), 1u);

    game.setStrength(12); // no button stands for it
    FakeButtons none;
    showSettings(none);
    for (int id = IDC_STRENGTH_1; id <= IDC_STRENGTH_11; ++id) {
        EXPECT_EQ(none.checked.count(id), 0u);
    }
    EXPECT_EQ(none.checked.count(IDC_STRENGTH_0), 0u);
}

TEST_F(Settings, OkStoresEverySettingThenStartsANewGameWithThem) {
    game.makeMove({3, 7, 4, 6});
    FakeButtons buttons;
    buttons.checked = {IDC_STRENGTH_8, IDC_MEN_4, IDC_BLUE_ALL_KINGS, IDC_VS_HUMAN};
    storeSettings(buttons);
    EXPECT_EQ(game.getStrength(), 8);
    EXPECT_EQ(game.getPieceSetting(), 4);
    EXPECT_EQ(game.getAllKings(Blue), 1);
    EXPECT_EQ(game.getAllKings(Red), 0);
    EXPECT_EQ(game.getRedMovesFirst(), 0);
    EXPECT_EQ(game.getVsHuman(), 1);
    // The new game already has the new settings: blue moves first, four kings against four men.
    EXPECT_EQ(game.getSideToMove(), Blue);
    EXPECT_EQ(formatDiagram(game), "B.B.B.B.\n"
                                   "........\n"
                                   "........\n"
                                   "........\n"
                                   "........\n"
                                   "........\n"
                                   "........\n"
                                   ".r.r.r.r\n");
    EXPECT_EQ(game.getCount(Blue), 4);
}

TEST_F(Settings, OkWithoutAChangeStillStartsANewGame) {
    game.makeMove({3, 7, 4, 6});
    game.switchSide();
    FakeButtons buttons;
    showSettings(buttons);
    storeSettings(buttons);
    EXPECT_EQ(game.getStrength(), 5);
    EXPECT_EQ(game.getPieceSetting(), 12);
    EXPECT_EQ(game.getSquare(4, 6), Empty);
    EXPECT_EQ(game.getSideToMove(), Red);
}

TEST_F(Settings, AGroupWithNothingCheckedKeepsItsSetting) {
    game.setStrength(7);
    game.setPieceSetting(8);
    FakeButtons buttons;
    storeSettings(buttons);
    EXPECT_EQ(game.getStrength(), 7);
    EXPECT_EQ(game.getPieceSetting(), 8);
    EXPECT_EQ(game.getRedMovesFirst(), 0); // check boxes are always stored
}

} // namespace
