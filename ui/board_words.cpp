#include "ui/board_words.h"

#include "engine/game.h"

namespace {

struct Words {
    const char* japanese;
    const char* english;
};

// By square code, 0 to 8.
constexpr Words pieceWords[] = {
    {"赤の駒", "red man"},
    {"青の駒", "blue man"},
    {"選んだ赤の駒", "selected red man"},
    {"選んだ青の駒", "selected blue man"},
    {"赤の王", "red king"},
    {"青の王", "blue king"},
    {"選んだ赤の王", "selected red king"},
    {"選んだ青の王", "selected blue king"},
    {"空き", "empty"},
};
constexpr Words unplayedWords{"使わないマス", "not played on"};
constexpr Words sideWords[] = {{"青", "Blue"}, {"赤", "Red"}}; // by side

Words wordsFor(int code) {
    return code >= 0 && code <= Empty ? pieceWords[code] : unplayedWords;
}

// Japanese, then the English.
std::string both(const std::string& japanese, const std::string& english) {
    return japanese + " " + english;
}

bool computersTurn(int side) {
    return side == Blue && game.getVsHuman() == 0;
}

std::string turnSentence(const BoardEvent& turn) {
    if (turn.decided) {
        return both("勝負がつきました。次のクリックか Enter で結果を表示します。",
                    "The game is decided: the next press or Enter shows the result.");
    }
    if (computersTurn(turn.side)) {
        return turn.again
                   ? both("コンピューターはもう一度取ります。次のクリックか Enter で指します。",
                          "The computer captures again: the next press or Enter makes "
                          "it move.")
                   : both("コンピューターの番です。次のクリックか Enter で指します。",
                          "The computer's turn: the next press or Enter makes it move.");
    }
    const Words side = sideWords[turn.side == Red ? 1 : 0];
    return turn.again ? both(std::string(side.japanese) + "はもう一度取れます。",
                             std::string(side.english) + " captures again.")
                      : both(std::string(side.japanese) + "の番です。",
                             std::string(side.english) + " to move.");
}

std::string resultSentence(bool redWon) {
    if (game.getVsHuman() == 0) {
        return redWon ? both("勝ち。あなたの勝ちです。", "勝ち: you have won.")
                      : both("負け。あなたの負けです。", "負け: you have lost.");
    }
    return redWon ? both("勝ち。赤の勝ちです。", "勝ち: red has won.")
                  : both("負け。青の勝ちです。", "負け: blue has won.");
}

} // namespace

std::string squareName(int x, int y) {
    return {static_cast<char>('a' + x - FirstPlayingLine),
            static_cast<char>('1' + LastPlayingLine - y)};
}

std::string squareContents(int x, int y) {
    const bool played = (x + y) % 2 == 0;
    const Words words = played ? wordsFor(game.getSquare(x, y)) : unplayedWords;
    return both(squareName(x, y) + "、" + words.japanese + "。",
                squareName(x, y) + ": " + words.english + ".");
}

std::string boardSentence(const BoardEvent& event) {
    const std::string at = squareName(event.x, event.y);
    const Words piece = wordsFor(event.piece);
    const std::string ja = piece.japanese;
    const std::string en = piece.english;
    switch (event.kind) {
    case BoardEvent::Kind::Cursor: return squareContents(event.x, event.y);
    case BoardEvent::Kind::Selected:
        return both(at + "の" + ja + "を選びました。", "The " + en + " on " + at + " is selected.");
    case BoardEvent::Kind::LetGo:
        return both(at + "の" + ja + "の選択を取り消しました。",
                    "The " + en + " on " + at + " is no longer selected.");
    case BoardEvent::Kind::Moved: {
        const std::string to = squareName(event.toX, event.toY);
        return both(ja + "が" + at + "から" + to + "へ動きました。",
                    "The " + en + " moved from " + at + " to " + to + ".");
    }
    case BoardEvent::Kind::Captured:
        return both(at + "の" + ja + "を取りました。", "The " + en + " on " + at + " is taken.");
    case BoardEvent::Kind::Crowned:
        return both(at + "の駒が王になりました。", "The man on " + at + " is crowned king.");
    case BoardEvent::Kind::Rejected:
        return both("そこには指せません。", "That press plays nothing.");
    case BoardEvent::Kind::Turn: return turnSentence(event);
    case BoardEvent::Kind::Result: return resultSentence(event.redWon);
    }
    return "";
}

void BoardTelling::add(const BoardEvent& event) {
    told += (told.empty() ? "" : " ") + boardSentence(event);
}

std::string BoardTelling::take() {
    std::string taken;
    taken.swap(told);
    return taken;
}
