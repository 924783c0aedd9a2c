#include "cursor_shapes.h"

namespace ulmaro::app {

SDL_SystemCursor systemCursorOf(int cursorId) {
    switch (cursorId) {
        case 32513: return SDL_SYSTEM_CURSOR_IBEAM;
        case 32514: return SDL_SYSTEM_CURSOR_WAIT;
        case 32515: return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case 32642: return SDL_SYSTEM_CURSOR_SIZENWSE;
        case 32643: return SDL_SYSTEM_CURSOR_SIZENESW;
        case 32644: return SDL_SYSTEM_CURSOR_SIZEWE;
        case 32645: return SDL_SYSTEM_CURSOR_SIZENS;
        case 32646: return SDL_SYSTEM_CURSOR_SIZEALL;
        case 32648: return SDL_SYSTEM_CURSOR_NO;
        case 32649: return SDL_SYSTEM_CURSOR_HAND;
        case 32650: return SDL_SYSTEM_CURSOR_WAITARROW;
        default: return SDL_SYSTEM_CURSOR_ARROW;  // arrow, up arrow, help
    }
}

CursorShapes::~CursorShapes() {
    for (SDL_Cursor* c : cursors_)
        if (c) SDL_FreeCursor(c);
}

void CursorShapes::show(int cursorId) {
    SDL_SystemCursor id = systemCursorOf(cursorId);
    if (id == shown_) return;
    SDL_Cursor*& c = cursors_[static_cast<std::size_t>(id)];
    if (!c) c = SDL_CreateSystemCursor(id);
    if (!c) return;
    SDL_SetCursor(c);
    shown_ = id;
}

}  // namespace ulmaro::app
