// TabbedTextOutA and GetTabbedTextExtentA: a line of text whose tab characters move the pen
// to the next tab stop. Stops are measured from a tab origin; with no stops given they fall
// every eight average character widths, with one they repeat at that spacing.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "../gdi/coordinates.h"
#include "../gdi/text_paint.h"

namespace ulmaro::platform {

using namespace detail;

namespace {

struct TabStops {
    const INT* stops = nullptr;  // a list of stops, or null for stops at a fixed spacing
    int count = 0;
    int spacing = 1;
    bool rightAligned = false;  // a single negative spacing: every stop right-aligned

    TabStops(int n, const INT* positions, const TEXTMETRICA& tm) {
        const int byDefault = std::max(1, 8 * static_cast<int>(tm.tmAveCharWidth));
        spacing = (n == 1 && positions && positions[0] != 0) ? std::abs(clampCoord(positions[0])) : byDefault;
        rightAligned = n == 1 && positions && positions[0] < 0;
        if (n > 1 && positions) {
            stops = positions;
            count = n;
        }
    }
    // The first stop after x, both measured from the tab origin; negative when the text
    // after the tab is to end at that stop instead of starting there. Past the last listed
    // stop the default spacing takes over.
    int next(int x) const {
        for (int i = 0; i < count; ++i)
            if (std::abs(clampCoord(stops[i])) > x) return clampCoord(stops[i]);
        const int q = x >= 0 ? x / spacing : -((-x + spacing - 1) / spacing);
        return rightAligned && count == 0 ? -(q + 1) * spacing : (q + 1) * spacing;
    }
};

int advanceOf(FontFace& face, char ch) { return face.advance(static_cast<unsigned char>(ch)); }

// Each character's advance, tabs reaching to their stops; the text keeps a blank where
// each tab was so that nothing is drawn there. A right-aligned stop places the text up to
// the next tab so that it ends at the stop, or right after what came before if it is
// wider than the room left.
int layOutTabs(FontFace& face, std::string& text, std::vector<int>& dx, const TabStops& tabs, int origin) {
    dx.resize(text.size());
    int x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\t') {
            dx[i] = advanceOf(face, text[i]);
        } else {
            const int stop = tabs.next(x + origin);
            int to = std::abs(stop) - origin;
            if (stop < 0) {
                int segment = 0;
                for (std::size_t j = i + 1; j < text.size() && text[j] != '\t'; ++j) segment += advanceOf(face, text[j]);
                to -= segment;
            }
            dx[i] = std::max(0, to - x);
            text[i] = ' ';
        }
        x += dx[i];
    }
    return x;
}

DWORD packSize(int w, int h) {
    return static_cast<DWORD>(static_cast<WORD>(w)) | (static_cast<DWORD>(static_cast<WORD>(h)) << 16);
}

}  // namespace

LONG TabbedTextOutA(HDC hdc, int x, int y, LPCSTR lpString, int chCount, int nTabPositions,
                    const INT* lpnTabStopPositions, int nTabOrigin) {
    Dc* dc = lookupDc(hdc);
    if (!dc || chCount < 0 || (!lpString && chCount > 0)) return 0;
    FontFace* face = faceOf(*dc);
    if (!face) return 0;
    std::string text(lpString ? lpString : "", static_cast<std::size_t>(chCount));
    std::vector<int> dx;
    const TabStops tabs(nTabPositions, lpnTabStopPositions, face->metrics());
    x = clampCoord(x);
    y = clampCoord(y);
    const int w = layOutTabs(*face, text, dx, tabs, x - clampCoord(nTabOrigin));
    if (!drawTextRun(*dc, x, y, TextRun{text, dx.data()})) return 0;
    return static_cast<LONG>(packSize(w, static_cast<int>(face->metrics().tmHeight)));
}

DWORD GetTabbedTextExtentA(HDC hdc, LPCSTR lpString, int chCount, int nTabPositions,
                           const INT* lpnTabStopPositions) {
    Dc* dc = lookupDc(hdc);
    if (!dc || chCount < 0 || (!lpString && chCount > 0)) return 0;
    FontFace* face = faceOf(*dc);
    if (!face) return 0;
    std::string text(lpString ? lpString : "", static_cast<std::size_t>(chCount));
    std::vector<int> dx;
    const int w = layOutTabs(*face, text, dx, TabStops(nTabPositions, lpnTabStopPositions, face->metrics()), 0);
    return packSize(w, static_cast<int>(face->metrics().tmHeight));
}

}  // namespace ulmaro::platform
