#include "ui/recorded_window.h"

#include <algorithm>

int WindowRecord::count(WindowRequest::Kind kind) const {
    return static_cast<int>(
        std::count_if(requests.begin(), requests.end(),
                      [kind](const WindowRequest& r) { return r.kind == kind; }));
}

WindowRecord& windowRecord() {
    static WindowRecord record;
    return record;
}

void soundBeep() {
    windowRecord().requests.push_back({WindowRequest::Beep, 0, 0});
}

void repaintSquare(int x, int y) {
    windowRecord().requests.push_back({WindowRequest::Repaint, x, y});
}

void drawWinPicture() {
    windowRecord().requests.push_back({WindowRequest::WinPicture, 0, 0});
}

void drawLosePicture() {
    windowRecord().requests.push_back({WindowRequest::LosePicture, 0, 0});
}

void boardEvent(const BoardEvent& event) {
    windowRecord().events.push_back(event);
}
