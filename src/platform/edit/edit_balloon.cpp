#include "edit_balloon.h"

#include <map>
#include <string>

namespace ulmaro::platform::edit {

namespace {

// Each edit's balloon window, made the first time it is asked for. The table is never torn
// down, as the edits' own is not.
std::map<HWND, HWND>& balloons() {
    static auto* m = new std::map<HWND, HWND>;
    return *m;
}

constexpr UINT_PTR kToolId = 1;

std::string ansiOf(LPCWSTR w) {
    if (!w || !*w) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, w, -1, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w, -1, s.data(), n, nullptr, nullptr);
    s.resize(static_cast<std::size_t>(n - 1));
    return s;
}

TTTOOLINFOA toolOf(HWND edit, LPSTR text) {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = edit;
    ti.uId = kToolId;
    ti.lpszText = text;
    return ti;
}

}  // namespace

BOOL ShowEditBalloon(HWND edit, POINT at, const EDITBALLOONTIP* tip) {
    if (!tip || tip->cbStruct < sizeof(EDITBALLOONTIP)) return FALSE;
    HWND& balloon = balloons()[edit];
    std::string text = ansiOf(tip->pszText);
    TTTOOLINFOA ti = toolOf(edit, text.data());
    if (!IsWindow(balloon)) {
        balloon = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, edit, nullptr, nullptr, nullptr);
        SendMessageA(balloon, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    } else {
        SendMessageA(balloon, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    const char16_t none[] = u"";
    SendMessageA(balloon, TTM_SETTITLEW, static_cast<WPARAM>(tip->ttiIcon),
                 reinterpret_cast<LPARAM>(tip->pszTitle ? tip->pszTitle : none));
    ClientToScreen(edit, &at);
    SendMessageA(balloon, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageA(balloon, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
    return TRUE;
}

BOOL HideEditBalloon(HWND edit) {
    auto it = balloons().find(edit);
    if (it == balloons().end() || !IsWindowVisible(it->second)) return FALSE;
    TTTOOLINFOA ti = toolOf(edit, nullptr);
    SendMessageA(it->second, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
    return TRUE;
}

void ForgetEditBalloon(HWND edit) {
    auto it = balloons().find(edit);
    if (it == balloons().end()) return;
    HWND balloon = it->second;
    balloons().erase(it);
    if (IsWindow(balloon)) DestroyWindow(balloon);
}

}  // namespace ulmaro::platform::edit
