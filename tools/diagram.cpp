#include "tools/diagram.h"

#include <sstream>

namespace {

constexpr int Rows = 8;

int codeOf(char c) {
    switch (c) {
    case 'r': return RedMan;
    case 'R': return RedKing;
    case 'b': return BlueMan;
    case 'B': return BlueKing;
    case '.': return Empty;
    default: return -1;
    }
}

char charOf(int code) {
    switch (code) {
    case RedMan:
    case RedManSelected: return 'r';
    case RedKing:
    case RedKingSelected: return 'R';
    case BlueMan:
    case BlueManSelected: return 'b';
    case BlueKing:
    case BlueKingSelected: return 'B';
    default: return '.';
    }
}

bool isSkipped(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos || line[0] == '#';
}

bool isRed(int code) {
    return code == RedMan || code == RedKing;
}
bool isBlue(int code) {
    return code == BlueMan || code == BlueKing;
}

DiagramResult failure(int lineNumber, const std::string& what) {
    return {false, {}, "board line " + std::to_string(lineNumber) + ": " + what};
}

// Checks one row of the diagram and stores it as board row y.
std::string readRow(const std::string& line, int y, Diagram& diagram) {
    if (line.size() != Rows) {
        return "expected 8 characters, found " + std::to_string(line.size());
    }
    for (int k = 0; k < Rows; ++k) {
        const int x = k + 2;
        const int code = codeOf(line[k]);
        if (code < 0) {
            return std::string("unknown character '") + line[k] + "' (use r R b B .)";
        }
        if (code != Empty && (x + y) % 2 != 0) {
            return "a piece in column " + std::to_string(k + 1) + " stands on a light square";
        }
        diagram.at(x, y) = code;
    }
    return {};
}

} // namespace

int Diagram::countOf(int side) const {
    int n = 0;
    for (int code : codes) {
        n += side == Red ? isRed(code) : isBlue(code);
    }
    return n;
}

DiagramResult readDiagram(std::istream& in) {
    DiagramResult result{true, {}, {}};
    int rows = 0;
    int lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (isSkipped(line)) {
            continue;
        }
        if (rows == Rows) {
            return failure(lineNumber, "more than 8 rows");
        }
        const std::string error = readRow(line, rows + 2, result.diagram);
        if (!error.empty()) {
            return failure(lineNumber, error);
        }
        ++rows;
        for (int side : {Red, Blue}) {
            if (result.diagram.countOf(side) > PiecesPerSide) {
                return failure(lineNumber, "more than 12 pieces of one side");
            }
        }
    }
    if (rows < Rows) {
        return failure(lineNumber + 1,
                       "the board ends after " + std::to_string(rows) + " of 8 rows");
    }
    return result;
}

DiagramResult parseDiagram(const std::string& text) {
    std::istringstream in(text);
    return readDiagram(in);
}

void loadDiagram(Game& position, const Diagram& diagram, int sideToMove) {
    // newGame gives a clean board and counts of pieceSetting; 12 is the most a side can have.
    const int keptSetting = position.getPieceSetting();
    position.setPieceSetting(12);
    position.newGame();
    position.setPieceSetting(keptSetting);
    for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
        for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
            position.setSquare(x, y, diagram.at(x, y));
        }
    }
    for (int side : {Red, Blue}) {
        for (int n = diagram.countOf(side); n < PiecesPerSide; ++n) {
            position.decrementCount(side);
        }
    }
    if (position.getSideToMove() != sideToMove) {
        position.switchSide();
    }
}

std::string formatDiagram(const Game& position) {
    std::string text;
    for (int y = FirstPlayingLine; y <= LastPlayingLine; ++y) {
        for (int x = FirstPlayingLine; x <= LastPlayingLine; ++x) {
            text += charOf(position.getSquare(x, y));
        }
        text += '\n';
    }
    return text;
}
