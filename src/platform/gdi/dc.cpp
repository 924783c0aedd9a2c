// Device contexts: creation, attributes, the drawing target, and single pixels.
#include "objects.h"

#include <vector>

namespace ulmaro::platform::detail {

std::uint32_t stockObjectValue(int i);
std::uint32_t stockMonoBitmap();

Bitmap* bitmapOf(Dc& dc) {
    switch (dc.type) {
        case Dc::Type::Memory: return lookupBitmap(asHandle(dc.bitmap));
        case Dc::Type::Window: return windowSurface(dc.hwnd);
        case Dc::Type::Screen: return nullptr;
    }
    return nullptr;
}

Target targetOf(Dc& dc) {
    Target t;
    t.bmp = bitmapOf(dc);
    if (!t.bmp) return t;
    t.visible = regionFromRect(0, 0, t.bmp->width, t.bmp->height);
    if (dc.type == Dc::Type::Window) {
        if (auto wr = windowRegionOf(dc.hwnd)) t.visible = regionCombine(t.visible, *wr, RGN_AND);
    }
    if (dc.clip) t.visible = regionCombine(t.visible, *dc.clip, RGN_AND);
    return t;
}

namespace {

HDC newDc(Dc::Type type, HWND hwnd) {
    auto dc = std::make_unique<Dc>();
    dc->type = type;
    dc->hwnd = hwnd;
    dc->pen = stockObjectValue(BLACK_PEN);
    dc->brush = stockObjectValue(WHITE_BRUSH);
    dc->font = stockObjectValue(SYSTEM_FONT);
    if (type == Dc::Type::Memory) dc->bitmap = stockMonoBitmap();
    for (std::uint32_t v : {dc->pen, dc->brush, dc->font, dc->bitmap})
        if (GdiObject* o = findObject(asHandle(v))) ++o->selections;
    return reinterpret_cast<HDC>(static_cast<std::uintptr_t>(addObject(std::move(dc))));
}

// Saved attribute sets for SaveDC / RestoreDC, keyed by context.
struct SavedDc {
    std::uint32_t owner;
    Dc state;
};
std::vector<SavedDc>& savedStack() {
    static std::vector<SavedDc> s;
    return s;
}

}  // namespace

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !lookupDc(hdc)) return nullptr;
    return newDc(Dc::Type::Memory, nullptr);
}

static BOOL releaseDc(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    for (std::uint32_t v : {dc->pen, dc->brush, dc->font, dc->bitmap})
        if (GdiObject* o = findObject(asHandle(v))) --o->selections;
    auto& saved = savedStack();
    std::erase_if(saved, [&](const SavedDc& s) { return s.owner == handleValue(hdc); });
    return removeObject(hdc) ? TRUE : FALSE;
}

BOOL DeleteDC(HDC hdc) { return releaseDc(hdc); }

HDC GetDC(HWND hwnd) {
    if (!hwnd) return newDc(Dc::Type::Screen, nullptr);
    if (!IsWindow(hwnd)) return nullptr;
    return newDc(Dc::Type::Window, hwnd);
}

int ReleaseDC(HWND, HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc || dc->type == Dc::Type::Memory) return 0;
    return releaseDc(hdc);
}

int SaveDC(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return 0;
    auto& saved = savedStack();
    SavedDc s{handleValue(hdc), Dc{}};
    s.state.bkColor = dc->bkColor;
    s.state.textColor = dc->textColor;
    s.state.bkMode = dc->bkMode;
    s.state.rop2 = dc->rop2;
    s.state.stretchMode = dc->stretchMode;
    s.state.polyFillMode = dc->polyFillMode;
    s.state.textAlign = dc->textAlign;
    s.state.pos = dc->pos;
    s.state.clip = dc->clip;
    saved.push_back(std::move(s));
    int level = 0;
    for (const SavedDc& e : saved) level += e.owner == handleValue(hdc);
    return level;
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    auto& saved = savedStack();
    std::vector<std::size_t> mine;
    for (std::size_t i = 0; i < saved.size(); ++i)
        if (saved[i].owner == handleValue(hdc)) mine.push_back(i);
    if (mine.empty()) return FALSE;
    int level = static_cast<int>(mine.size());
    int target = nSavedDC < 0 ? level + nSavedDC + 1 : nSavedDC;
    if (target < 1 || target > level) return FALSE;
    const Dc& s = saved[mine[static_cast<std::size_t>(target - 1)]].state;
    dc->bkColor = s.bkColor;
    dc->textColor = s.textColor;
    dc->bkMode = s.bkMode;
    dc->rop2 = s.rop2;
    dc->stretchMode = s.stretchMode;
    dc->polyFillMode = s.polyFillMode;
    dc->textAlign = s.textAlign;
    dc->pos = s.pos;
    dc->clip = s.clip;
    saved.erase(saved.begin() + static_cast<std::ptrdiff_t>(mine[static_cast<std::size_t>(target - 1)]), saved.end());
    return TRUE;
}

#define ULMARO_DC_ATTRIBUTE(Set, Get, Type, field, failure) \
    Type Set(HDC hdc, Type value) {                         \
        Dc* dc = lookupDc(hdc);                             \
        if (!dc) return failure;                            \
        Type old = dc->field;                               \
        dc->field = value;                                  \
        return old;                                         \
    }                                                       \
    Type Get(HDC hdc) {                                     \
        Dc* dc = lookupDc(hdc);                             \
        return dc ? dc->field : failure;                    \
    }
ULMARO_DC_ATTRIBUTE(SetBkColor, GetBkColor, COLORREF, bkColor, CLR_INVALID)
ULMARO_DC_ATTRIBUTE(SetTextColor, GetTextColor, COLORREF, textColor, CLR_INVALID)
ULMARO_DC_ATTRIBUTE(SetROP2, GetROP2, int, rop2, 0)
ULMARO_DC_ATTRIBUTE(SetStretchBltMode, GetStretchBltMode, int, stretchMode, 0)
ULMARO_DC_ATTRIBUTE(SetPolyFillMode, GetPolyFillMode, int, polyFillMode, 0)
#undef ULMARO_DC_ATTRIBUTE

int SetBkMode(HDC hdc, int mode) {
    Dc* dc = lookupDc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int old = dc->bkMode;
    dc->bkMode = mode;
    return old;
}
int GetBkMode(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    return dc ? dc->bkMode : 0;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return CLR_INVALID;
    Target t = targetOf(*dc);
    if (!t.ok() || !t.visibleAt(x, y)) return CLR_INVALID;
    return t.bmp->row(y)[x] & 0x00FFFFFF;  // without the alpha byte a pixel may carry
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return CLR_INVALID;
    // One pixel: tested against the surface, window region and clip directly rather than
    // building the visible region, so pixel-by-pixel drawing stays cheap.
    Bitmap* bmp = bitmapOf(*dc);
    if (!bmp || x < 0 || y < 0 || x >= bmp->width || y >= bmp->height) return CLR_INVALID;
    if (dc->type == Dc::Type::Window)
        if (auto wr = windowRegionOf(dc->hwnd); wr && !wr->contains(x, y)) return CLR_INVALID;
    if (dc->clip && !dc->clip->contains(x, y)) return CLR_INVALID;
    COLORREF c = nearestColor(*bmp, color);
    bmp->row(y)[x] = c;
    return c;
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) { return SetPixel(hdc, x, y, color) != CLR_INVALID; }

}  // namespace ulmaro::platform
