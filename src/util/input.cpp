#include "util/input.h"

#include "win/win.h"

// Each reading asks anew: a pair of calls can straddle a pointer move.
int GetMouseX() {
    POINT point{};
    GetCursorPos(&point);
    return point.x;
}

int GetMouseY() {
    POINT point{};
    GetCursorPos(&point);
    return point.y;
}
