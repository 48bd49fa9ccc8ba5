#include "tests/support/step_model.h"

#include "engine/game.h"
#include "engine/random_numbers.h"
#include "tests/support/boards.h"
#include "ui/board_keys.h"
#include "ui/menu_commands.h"
#include "ui/recorded_window.h"
#include "ui/resource.h"
#include "ui/settings_form.h"
#include "ui/turn_controller.h"

#include <algorithm>
#include <set>

namespace {

constexpr int strengthButtons[] = {IDC_STRENGTH_0, IDC_STRENGTH_1, IDC_STRENGTH_2, IDC_STRENGTH_3};
constexpr int menButtons[][2] = {{4, IDC_MEN_4}, {8, IDC_MEN_8}, {12, IDC_MEN_12}};
constexpr int checkBoxes[] = {IDC_RED_MOVES_FIRST, IDC_RED_ALL_KINGS, IDC_BLUE_ALL_KINGS,
                              IDC_VS_HUMAN};

// The dialog's buttons as a person leaves them: checking a radio button unchecks the others of its
// group, as the dialog's automatic radio buttons do.
class PersonsButtons : public DialogButtons {
public:
    void check(int id) override { checked.insert(id); }
    bool isChecked(int id) const override { return checked.count(id) != 0; }

    void choose(const Step& step) {
        for (int id = IDC_STRENGTH_0; id <= IDC_MEN_12; ++id) {
            if (id != IDC_RED_MOVES_FIRST && id != IDC_RED_ALL_KINGS && id != IDC_BLUE_ALL_KINGS &&
                id != IDC_VS_HUMAN) {
                checked.erase(id); // the radio groups: strength and men
            }
        }
        checked.insert(strengthButtons[step.strength]);
        for (const auto& men : menButtons) {
            if (men[0] == step.men) {
                checked.insert(men[1]);
            }
        }
        for (int bit = 0; bit < 4; ++bit) {
            if ((step.flags >> bit & 1) != 0) {
                checked.insert(checkBoxes[bit]);
            } else {
                checked.erase(checkBoxes[bit]);
            }
        }
    }

private:
    std::set<int> checked;
};

class PersonsDialog : public MenuActions {
public:
    explicit PersonsDialog(const Step* confirmed) : confirmed(confirmed) {}
    void closeWindow() override {}
    void runSettingsDialog() override {
        PersonsButtons buttons;
        showSettings(buttons);
        if (confirmed != nullptr) {
            buttons.choose(*confirmed);
            storeSettings(buttons);
        }
    }

private:
    const Step* confirmed; // null: cancelled
};

// The keyboard's cursor on the board, as a window keeps one.
BoardCursor& keys() {
    static BoardCursor cursor;
    return cursor;
}

// Each new game seeds the generator from the clock; a walk reseeds it at once from its own seed
// and the number of new games so far, so that it replays exactly.
unsigned walkSeed = 1;
unsigned newGames = 0;

void reseedAfterNewGame() {
    seedRandom(walkSeed * 7919U + ++newGames);
}

bool isSelectedCode(int code) {
    return code == RedManSelected || code == BlueManSelected || code == RedKingSelected ||
           code == BlueKingSelected;
}

int sideOfCode(int code) {
    switch (code) {
    case RedMan:
    case RedManSelected:
    case RedKing:
    case RedKingSelected: return Red;
    case BlueMan:
    case BlueManSelected:
    case BlueKing:
    case BlueKingSelected: return Blue;
    default: return -1;
    }
}

// What the invariants compare a step's outcome with.
struct Before {
    BoardSnapshot board;
    int pieces[2];
    int counts[2];
    int gameActive;
    int sideToMove;
    int settings[6];
};

int piecesOf(const Game& position, int side) {
    int pieces = 0;
    for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
        for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
            pieces += sideOfCode(position.getSquare(x, y)) == side ? 1 : 0;
        }
    }
    return pieces;
}

Before record() {
    return {snapshot(game),
            {piecesOf(game, Blue), piecesOf(game, Red)},
            {game.getCount(Blue), game.getCount(Red)},
            gameActive,
            game.getSideToMove(),
            {game.getPieceSetting(), game.getVsHuman(), game.getRedMovesFirst(),
             game.getAllKings(Red), game.getAllKings(Blue), game.getStrength()}};
}

bool isComputersTurn() {
    return game.getVsHuman() == 0 && game.getSideToMove() == Blue;
}

bool sideHasLost(int side) {
    return game.getCount(side) == 0 ||
           (game.sideHasNoStep(side) == 1 && game.sideHasCapture(side) == 0);
}

std::string checkBoard() {
    int selected = 0;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            const int code = game.getSquare(x, y);
            const std::string at = " at " + std::to_string(x) + "," + std::to_string(y);
            if (!isPlayingSquare(x, y)) {
                if (code != Wall) {
                    return "border cell not Wall" + at;
                }
                continue;
            }
            if (code < 0 || code > Empty) {
                return "code " + std::to_string(code) + " on the playing area" + at;
            }
            if ((x + y) % 2 != 0 && code != Empty) {
                return "a piece on a light square" + at;
            }
            if (isSelectedCode(code)) {
                ++selected;
                if (x != currentMove.fromX || y != currentMove.fromY) {
                    return "a selected code away from the selection's square" + at;
                }
            }
        }
    }
    if (selected > 1) {
        return std::to_string(selected) + " selected codes";
    }
    if ((selected == 1) != (selectionState == 1)) {
        return "selectionState " + std::to_string(selectionState) + " with " +
               std::to_string(selected) + " selected codes";
    }
    return "";
}

std::string checkTurnAndCounts(const Step& step, const Before& before) {
    const int side = game.getSideToMove();
    if (side != Red && side != Blue) {
        return "sideToMove " + std::to_string(side);
    }
    for (int s : {Blue, Red}) {
        const std::string who = s == Red ? "red" : "blue";
        const int pieces = piecesOf(game, s);
        if (game.getCount(s) != pieces) {
            return who + " count " + std::to_string(game.getCount(s)) + " with " +
                   std::to_string(pieces) + " pieces";
        }
        const bool newBoard = step.kind == Step::NewGame || step.kind == Step::SettingsOk;
        if (!newBoard && (pieces > before.pieces[s] || pieces < before.pieces[s] - 1)) {
            return who + " pieces went from " + std::to_string(before.pieces[s]) + " to " +
                   std::to_string(pieces);
        }
        if (!newBoard && pieces < before.pieces[s] && before.sideToMove == s) {
            return who + " lost a piece on its own move";
        }
    }
    return "";
}

std::string checkGameActive(const Step& step, const Before& before) {
    if (gameActive != 0 && gameActive != 1) {
        return "gameActive " + std::to_string(gameActive);
    }
    const bool newBoard = step.kind == Step::NewGame || step.kind == Step::SettingsOk;
    if (newBoard) {
        if (gameActive != 1 || selectionState != 0) {
            return "a new game that is not open or keeps a selection";
        }
        for (int side : {Blue, Red}) {
            if (game.getCount(side) != game.getPieceSetting()) {
                return "a new game without its men";
            }
        }
        return "";
    }
    if (gameActive == 1 && before.gameActive == 0) {
        return "play reopened without a new game";
    }
    if (gameActive == 0 && !sideHasLost(game.getSideToMove()) && game.getCount(Red) != 0 &&
        game.getCount(Blue) != 0) {
        return "the game ended while neither side had lost";
    }
    if (before.gameActive == 0 && snapshot(game) != before.board) {
        return "the board changed after the game ended";
    }
    const int pictures = windowRecord().count(WindowRequest::WinPicture) +
                         windowRecord().count(WindowRequest::LosePicture);
    // Every press on the board of a game that is over shows its result again, a key's too.
    const bool keyPress =
        step.kind == Step::Key && step.x == static_cast<int>(BoardKey::Press) && step.y == 0;
    const bool pressOnBoard =
        (step.kind == Step::LeftPress && isPlayingSquare(step.x, step.y)) || keyPress;
    if (pictures != (pressOnBoard && gameActive == 0 ? 1 : 0)) {
        return std::to_string(pictures) + " result pictures";
    }
    return "";
}

int plainCode(int code) {
    switch (code) {
    case RedManSelected: return RedMan;
    case BlueManSelected: return BlueMan;
    case RedKingSelected: return RedKing;
    case BlueKingSelected: return BlueKing;
    default: return code;
    }
}

int cellOf(int x, int y) {
    return x * BoardSize + y;
}

// What the window layer was told agrees with what it was asked to draw and with the board: a
// player who cannot see hears every beep, every move and capture as the board shows it, whose turn
// it is, a selection shown or ended, and the result.
std::string checkWords(const Step& step, const Before& before) {
    const std::vector<BoardEvent>& told = windowRecord().events;
    const auto count = [&](BoardEvent::Kind kind) {
        return std::count_if(told.begin(), told.end(),
                             [kind](const BoardEvent& event) { return event.kind == kind; });
    };
    if (count(BoardEvent::Kind::Rejected) != windowRecord().count(WindowRequest::Beep)) {
        return "a beep not told, or a rejection told without a beep";
    }
    if (count(BoardEvent::Kind::Result) != windowRecord().count(WindowRequest::WinPicture) +
                                               windowRecord().count(WindowRequest::LosePicture)) {
        return "a result picture not told";
    }
    const bool newBoard = step.kind == Step::NewGame || step.kind == Step::SettingsOk;
    BoardSnapshot heard = before.board;
    for (int& cell : heard) {
        cell = plainCode(cell);
    }
    for (const BoardEvent& event : told) {
        int& from = heard[static_cast<std::size_t>(cellOf(event.x, event.y))];
        switch (event.kind) {
        case BoardEvent::Kind::Moved:
            if (from != event.piece) {
                return "a move told of a piece that was not there";
            }
            heard[static_cast<std::size_t>(cellOf(event.toX, event.toY))] = from;
            from = Empty;
            break;
        case BoardEvent::Kind::Captured:
            if (from != event.piece) {
                return "a capture told of a piece that was not there";
            }
            from = Empty;
            break;
        case BoardEvent::Kind::Crowned: from = from == RedMan ? RedKing : BlueKing; break;
        case BoardEvent::Kind::Turn:
            if (event.side != game.getSideToMove() ||
                event.again != (event.side == before.sideToMove) ||
                event.decided != (gameResult() != GameResult::Open)) {
                return "the turn told is not the game's";
            }
            break;
        case BoardEvent::Kind::Cursor:
            if (!keys().frame() || keys().frame()->x != event.x || keys().frame()->y != event.y) {
                return "the cursor told is not where it is drawn";
            }
            break;
        default: break;
        }
    }
    BoardSnapshot shown = snapshot(game);
    for (int& cell : shown) {
        cell = plainCode(cell);
    }
    if (!newBoard && shown != heard) {
        return "the moves told do not make the board shown";
    }
    if (count(BoardEvent::Kind::Turn) != count(BoardEvent::Kind::Moved)) {
        return "a move without its turn told";
    }
    const int wasThere =
        before.board[static_cast<std::size_t>(cellOf(currentMove.fromX, currentMove.fromY))];
    const bool selectionShown = selectionState == 1 && !isSelectedCode(wasThere);
    if (!newBoard && selectionShown != (count(BoardEvent::Kind::Selected) == 1)) {
        return "a selection shown and not told, or told and not shown";
    }
    if (gameActive == 0 && keys().frame()) {
        return "the cursor drawn over the result";
    }
    return "";
}

// The computer's search leaves the board as it found it: tried on a copy of the game first.
std::string checkComputersSearch() {
    Game copy = game;
    Move move{};
    copy.chooseComputerMove(move);
    return snapshot(copy) == snapshot(game) ? "" : "the computer's search changed the board";
}

std::string takeStep(const Step& step, const Before& before) {
    switch (step.kind) {
    case Step::LeftPress: {
        const bool computerPlays = gameActive == 1 && isComputersTurn() &&
                                   isPlayingSquare(step.x, step.y) &&
                                   !sideHasLost(game.getSideToMove());
        if (computerPlays) {
            const std::string broken = checkComputersSearch();
            if (!broken.empty()) {
                return broken;
            }
        }
        keys().pointerPressed();
        handleLeftPress(step.x, step.y);
        if (computerPlays && windowRecord().count(WindowRequest::Beep) != 0) {
            return "the computer's move was refused";
        }
        if (!isPlayingSquare(step.x, step.y) && snapshot(game) != before.board) {
            return "a press off the board changed the board";
        }
        return "";
    }
    case Step::RightPress: {
        keys().pointerPressed();
        handleRightPress();
        return "";
    }
    case Step::Key: {
        keys().key(static_cast<BoardKey>(step.x), step.y == 1);
        const std::optional<BoardSquare> frame = keys().frame();
        if (frame && !isPlayingSquare(frame->x, frame->y)) {
            return "the cursor left the board";
        }
        const bool repeatedPress = step.y == 1 && step.x >= static_cast<int>(BoardKey::Press);
        if (repeatedPress && (snapshot(game) != before.board || !windowRecord().requests.empty())) {
            return "a held key's repeat pressed";
        }
        return "";
    }
    case Step::NewGame: {
        PersonsDialog dialog(nullptr);
        menuCommand(IDM_NEW_GAME, dialog);
        reseedAfterNewGame();
        return "";
    }
    case Step::SettingsOk: {
        PersonsDialog dialog(&step);
        menuCommand(IDM_SETTINGS, dialog);
        reseedAfterNewGame();
        const int chosen[6] = {step.men,
                               step.flags >> 3 & 1,
                               step.flags & 1,
                               step.flags >> 1 & 1,
                               step.flags >> 2 & 1,
                               step.strength};
        return std::equal(chosen, chosen + 6, record().settings) ? "" : "settings not as chosen";
    }
    case Step::SettingsCancel: {
        PersonsDialog dialog(nullptr);
        menuCommand(IDM_SETTINGS, dialog);
        const Before after = record();
        const bool unchanged = after.board == before.board &&
                               std::equal(before.settings, before.settings + 6, after.settings) &&
                               after.counts[0] == before.counts[0] &&
                               after.counts[1] == before.counts[1];
        return unchanged ? "" : "a cancelled dialog changed the game";
    }
    }
    return "an unknown step";
}

// Squares where a press lets play go on: the computer's turn takes any, a selection the empty
// squares it might reach, else the pieces of the side to move.
std::vector<std::pair<int, int>> playfulSquares() {
    std::vector<std::pair<int, int>> squares;
    if (selectionState == 1) {
        for (const SlotDirection d : slotDirections) {
            for (int distance : {1, 2}) {
                const int x = currentMove.fromX + distance * d.dx;
                const int y = currentMove.fromY + distance * d.dy;
                if (isPlayingSquare(x, y) && game.getSquare(x, y) == Empty) {
                    squares.push_back({x, y});
                }
            }
        }
        return squares;
    }
    for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
        for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
            if (isComputersTurn() || sideOfCode(game.getSquare(x, y)) == game.getSideToMove()) {
                squares.push_back({x, y});
            }
        }
    }
    return squares;
}

Step playfulPress(unsigned choice) {
    const std::vector<std::pair<int, int>> squares = playfulSquares();
    if (squares.empty()) {
        return {Step::LeftPress, 5, 5};
    }
    const std::pair<int, int> square = squares[choice % squares.size()];
    return {Step::LeftPress, square.first, square.second};
}

Step settingsStep(unsigned bits) {
    constexpr int men[] = {4, 8, 12, 12};
    Step step{Step::SettingsOk};
    step.strength = static_cast<int>(bits & 3);
    step.men = men[bits >> 2 & 3];
    step.flags = static_cast<int>(bits >> 4 & 15);
    return step;
}

} // namespace

std::string describe(const Step& step) {
    switch (step.kind) {
    case Step::LeftPress: return "press " + std::to_string(step.x) + " " + std::to_string(step.y);
    case Step::RightPress: return "right press";
    case Step::NewGame: return "new game";
    case Step::SettingsOk:
        return "settings ok: strength " + std::to_string(step.strength) + ", " +
               std::to_string(step.men) + " men, red first " + std::to_string(step.flags & 1) +
               ", red kings " + std::to_string(step.flags >> 1 & 1) + ", blue kings " +
               std::to_string(step.flags >> 2 & 1) + ", vs human " +
               std::to_string(step.flags >> 3 & 1);
    case Step::SettingsCancel: return "settings cancelled";
    case Step::Key:
        return std::string("key ") + "<>^vPC"[step.x % 6] + (step.y == 1 ? " held" : "");
    }
    return "?";
}

std::string describe(const std::vector<Step>& steps) {
    std::string text;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        text += std::to_string(i + 1) + ". " + describe(steps[i]) + "\n";
    }
    return text;
}

// Mostly presses where play can go on, so that games reach their end; new games and the dialog
// are rare enough that most games do.
Step randomStep(std::mt19937& random) {
    const unsigned roll = random() % 10000;
    if (roll < 1500) {
        const unsigned key = random();
        return {Step::Key, static_cast<int>(key % 6), static_cast<int>(key / 6 % 8 == 0)};
    }
    if (roll < 6500) {
        return playfulPress(random());
    }
    if (roll < 8500) {
        return {Step::LeftPress, static_cast<int>(random() % BoardSize),
                static_cast<int>(random() % BoardSize)};
    }
    if (roll < 9980) {
        return {Step::RightPress};
    }
    if (roll < 9985) {
        return {Step::NewGame};
    }
    if (roll < 9995) {
        return settingsStep(random());
    }
    return {Step::SettingsCancel};
}

bool stepFromBytes(const std::uint8_t*& data, std::size_t& size, Step& step) {
    if (size == 0) {
        return false;
    }
    const unsigned kind = data[0] % 20;
    const unsigned operand = size > 1 ? data[1] : 0;
    const std::size_t used =
        kind <= 10 || kind == 14 || kind >= 16 ? std::min<std::size_t>(2, size) : 1;
    data += used;
    size -= used;
    if (kind >= 16) {
        step = {Step::Key, static_cast<int>(operand % 6), static_cast<int>(operand / 6 % 2)};
    } else if (kind <= 8) {
        step = playfulPress(operand);
    } else if (kind <= 10) {
        step = {Step::LeftPress, static_cast<int>(operand % 144 / 12),
                static_cast<int>(operand % 12)};
    } else if (kind <= 12) {
        step = {Step::RightPress};
    } else if (kind == 13) {
        step = {Step::NewGame};
    } else if (kind == 14) {
        step = settingsStep(operand);
    } else {
        step = {Step::SettingsCancel};
    }
    return true;
}

void startProgram(unsigned seed) {
    game.setPieceSetting(12);
    game.setVsHuman(0);
    game.setRedMovesFirst(1);
    game.setRedAllKings(0);
    game.setBlueAllKings(0);
    game.setStrength(2); // the default 5, lowered so that steps stay fast
    selectionState = 0;  // the controller's globals as the program starts
    game.newGame();
    currentMove = {0, 0, 0, 0};
    captureRequired = 0;
    capturedSquareDirty = 0;
    capturedX = 0;
    capturedY = 0;
    crowned = 0;
    keys() = BoardCursor{};
    walkSeed = seed;
    newGames = 0;
    seedRandom(seed);
    windowRecord().clear();
}

std::string takeStepAndCheck(const Step& step) {
    const Before before = record();
    windowRecord().clear();
    for (const std::string& broken :
         {takeStep(step, before), checkBoard(), checkTurnAndCounts(step, before),
          checkGameActive(step, before), checkWords(step, before)}) {
        if (!broken.empty()) {
            return broken;
        }
    }
    return "";
}

std::string replay(unsigned seed, const std::vector<Step>& steps) {
    startProgram(seed);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string broken = takeStepAndCheck(steps[i]);
        if (!broken.empty()) {
            return "step " + std::to_string(i + 1) + ": " + broken;
        }
    }
    return "";
}

std::vector<Step> shortestFailing(unsigned seed, std::vector<Step> steps, int replays) {
    for (std::size_t chunk = std::max<std::size_t>(steps.size() / 2, 1); replays > 0;
         chunk = std::max<std::size_t>(chunk / 2, 1)) {
        bool removed = false;
        for (std::size_t start = 0; start + chunk <= steps.size() && replays-- > 0;) {
            std::vector<Step> shorter = steps;
            shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(start),
                          shorter.begin() + static_cast<std::ptrdiff_t>(start + chunk));
            if (!replay(seed, shorter).empty()) {
                steps = shorter;
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (chunk == 1 && !removed) {
            break;
        }
    }
    return steps;
}
