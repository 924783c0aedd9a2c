// The pointer's shape: the system cursor a control asked for (SetCursor) as the window
// system's own cursor.
#pragma once

#include <SDL_mouse.h>

#include <array>

namespace ulmaro::app {

// The SDL cursor for a platform cursor identifier (IDC_ARROW 32512 ...); the arrow for 0
// and for shapes SDL has no picture of.
SDL_SystemCursor systemCursorOf(int cursorId);

// Shows cursors, creating each SDL cursor once.
class CursorShapes {
public:
    CursorShapes() = default;
    ~CursorShapes();
    CursorShapes(const CursorShapes&) = delete;
    CursorShapes& operator=(const CursorShapes&) = delete;

    void show(int cursorId);

private:
    std::array<SDL_Cursor*, SDL_NUM_SYSTEM_CURSORS> cursors_{};
    int shown_ = -1;
};

}  // namespace ulmaro::app
