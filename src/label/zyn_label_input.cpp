// ZynLabel input: mouse notifications pass through as events; the pointer over a link shows
// the hand cursor, a release over links raises LinkClick for each; in transparent mode at
// run time the hover timer holds the mouse capture while the pointer is over the label.
#include "label/zyn_label.h"

#include "framework/variant.h"

#include <algorithm>

namespace ulmaro {

using namespace platform;

namespace {

POINT RoundedPoint(float X, float Y) {
    return POINT{static_cast<LONG>(roundHalfEven(X)), static_cast<LONG>(roundHalfEven(Y))};
}

}  // namespace

// Links are counted from 1 with a byte counter: a label hit-tests its first 254 links and
// lets any further ones show without reacting to the mouse.
std::size_t ZynLabel::hitTestedLinks() const {
    return Links.empty() ? 0 : std::min(Links.size() - 1, kMaxHitTestedLinks);
}

void ZynLabel::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseDown", Button, Shift, X, Y);
}

void ZynLabel::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseMove", Button, Shift, X, Y);
    // The handler may have moved the point or laid the label out again: read both afresh.
    const POINT pt = RoundedPoint(X, Y);
    for (std::size_t i = 1; i <= hitTestedLinks(); ++i) {
        if (!PtInRect(&Links[i].Rect, pt)) continue;
        if (HCURSOR hand = LoadCursorA(nullptr, IDC_HAND)) SetCursor(hand);
    }
}

void ZynLabel::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseUp", Button, Shift, X, Y);
    const POINT pt = RoundedPoint(X, Y);
    const std::uint64_t generation = linksGeneration_;
    for (std::size_t i = 1; i <= hitTestedLinks(); ++i) {
        if (!PtInRect(&Links[i].Rect, pt)) continue;
        // The name goes by reference: what the handler leaves in it becomes the link's name.
        std::string LinkName = Links[i].Name;
        RaiseEvent("LinkClick", LinkName);
        // A handler that laid the label out again has replaced the links: those left to
        // test belong to a caption this release was not aimed at.
        if (linksGeneration_ != generation) return;
        Links[i].Name = LinkName;
    }
}

void ZynLabel::Click() { RaiseEvent("Click"); }

void ZynLabel::DblClick() { RaiseEvent("DblClick"); }

// The capture is taken on the way into the client rectangle and given back on the way out;
// one taken by another window meanwhile is not fought over.
void ZynLabel::Timer1_Timer() {
    const HWND h = surface().hWnd();
    POINT pt{};
    GetCursorPos(&pt);
    RECT client{};
    GetClientRect(h, &client);
    ScreenToClient(h, &pt);
    if (PtInRect(&client, pt)) {
        if (!Captured) SetCapture(h);
        Captured = true;
    } else {
        if (Captured) ReleaseCapture();
        Captured = false;
    }
}

void ZynLabel::Terminate() {
    Timer1.setEnabled(false);
    if (Captured && GetCapture() == surface().hWnd()) ReleaseCapture();
    Captured = false;
}

}  // namespace ulmaro
