// The menu's commands and the settings dialog's buttons, with the window and dialog left out.
#include "engine/game.h"
#include "tests/support/boards.h"
#include "ui/menu_commands.h"
#include "ui/resource.h"
#include "ui/settings_form.h"
#include "ui/settings_layout.h"
#include "ui/turn_controller.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

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

std::vector<std::string> linesOf(const std::string& file) {
    std::ifstream in(std::string(YORUNAMI_PICTURES) + "/../" + file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    EXPECT_FALSE(lines.empty()) << file;
    return lines;
}

// The number a name of the resource script stands for: resource.h's, or the platform's own.
int resourceNumber(const std::string& name) {
    static std::map<std::string, int> numbers = [] {
        std::map<std::string, int> defined{{"IDOK", 1}, {"IDCANCEL", 2}, {"-1", NoControlId}};
        const std::regex define(R"(#define (\w+) (\d+))");
        std::smatch found;
        for (const std::string& line : linesOf("resource.h")) {
            if (std::regex_search(line, found, define)) {
                defined[found[1]] = std::stoi(found[2]);
            }
        }
        return defined;
    }();
    EXPECT_EQ(numbers.count(name), 1u) << name;
    return numbers[name];
}

ControlKind kindOfStyle(const std::string& style) {
    const std::pair<const char*, ControlKind> kinds[] = {
        {"BS_AUTOCHECKBOX", ControlKind::CheckBox},
        {"BS_AUTORADIOBUTTON", ControlKind::RadioButton},
        {"BS_DEFPUSHBUTTON", ControlKind::DefaultButton},
        {"BS_PUSHBUTTON", ControlKind::Button},
        {"BS_GROUPBOX", ControlKind::GroupBox}};
    for (const auto& [name, kind] : kinds) {
        if (style.find(name) != std::string::npos) {
            return kind;
        }
    }
    ADD_FAILURE() << "no button kind in " << style;
    return ControlKind::Button;
}

// Other front ends build their menu and dialog from the neutral descriptions: they must say what
// the Windows resource script says, entry for entry and control for control.
TEST(WindowsResources, StateTheMenuAndTheDialogAsTheNeutralDescriptionsDo) {
    const std::vector<std::string> script = linesOf("win32/yorunami.rc");
    std::smatch found;
    std::string popup;
    std::size_t entry = 0;
    std::size_t control = 0;
    for (const std::string& line : script) {
        if (std::regex_search(line, found, std::regex(R"re(POPUP "([^"]+)")re"))) {
            popup = found[1];
        } else if (std::regex_search(line, found, std::regex(R"re(MENUITEM "([^"]+)", (\w+))re"))) {
            ASSERT_LT(entry, MenuEntryCount);
            const MenuEntry& expected = menuEntries[entry++];
            EXPECT_EQ(popup, expected.menuTitle);
            EXPECT_EQ(found[1], expected.itemText);
            EXPECT_EQ(resourceNumber(found[2]), expected.commandId);
        } else if (std::regex_search(
                       line, found,
                       std::regex(R"re(IDD_SETTINGS DIALOG (\d+), (\d+), (\d+), (\d+))re"))) {
            EXPECT_EQ(std::stoi(found[1]), SettingsPlace.x);
            EXPECT_EQ(std::stoi(found[2]), SettingsPlace.y);
            EXPECT_EQ(std::stoi(found[3]), SettingsPlace.width);
            EXPECT_EQ(std::stoi(found[4]), SettingsPlace.height);
        } else if (std::regex_search(line, found, std::regex(R"re(^CAPTION "(.*)")re"))) {
            EXPECT_EQ(found[1], SettingsCaption);
        } else if (std::regex_search(line, found, std::regex(R"re(^FONT (\d+), "(.*)")re"))) {
            EXPECT_EQ(std::stoi(found[1]), SettingsFontPoints);
            EXPECT_EQ(found[2], SettingsFontFace);
        } else if (
            std::regex_search(
                line, found,
                std::regex(
                    R"re(CONTROL "([^"]*)", ([\w-]+), "Button", ([\w| ]+), (\d+), (\d+), (\d+), (\d+))re"))) {
            ASSERT_LT(control, SettingsControlCount);
            const DialogControl& expected = settingsControls[control++];
            const std::string style = found[3];
            EXPECT_EQ(found[1], expected.text);
            EXPECT_EQ(resourceNumber(found[2]), expected.id) << expected.text;
            EXPECT_EQ(kindOfStyle(style), expected.kind) << expected.text;
            EXPECT_EQ(style.find("WS_GROUP") != std::string::npos, expected.startsGroup);
            EXPECT_EQ(style.find("WS_TABSTOP") != std::string::npos, expected.tabStop);
            const DialogRect place{std::stoi(found[4]), std::stoi(found[5]), std::stoi(found[6]),
                                   std::stoi(found[7])};
            EXPECT_EQ(std::tie(place.x, place.y, place.width, place.height),
                      std::tie(expected.place.x, expected.place.y, expected.place.width,
                               expected.place.height))
                << expected.text;
        }
    }
    EXPECT_EQ(entry, MenuEntryCount);
    EXPECT_EQ(control, SettingsControlCount);
}

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
