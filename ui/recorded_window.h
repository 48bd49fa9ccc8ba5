// A window layer without a window: it records every request of the turn controller, so that the
// headless driver and the tests can see the beeps, repaints, result pictures and board events a
// press caused.
#pragma once

#include "ui/window_layer.h"

#include <vector>

struct WindowRequest {
    enum Kind { Beep, Repaint, WinPicture, LosePicture };
    Kind kind;
    int x; // the square of a repaint, else 0
    int y;
};

constexpr bool operator==(const WindowRequest& a, const WindowRequest& b) {
    return a.kind == b.kind && a.x == b.x && a.y == b.y;
}

struct WindowRecord {
    std::vector<WindowRequest> requests;
    std::vector<BoardEvent> events; // apart: what is told, beside what is drawn

    int count(WindowRequest::Kind kind) const;
    void clear() {
        requests.clear();
        events.clear();
    }
};

// Everything requested since the last clear.
WindowRecord& windowRecord();
