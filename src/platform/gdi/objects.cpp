// The GDI handle table, stock objects, and the object calls that work on any kind.
#include "objects.h"

#include "../common/handle_table.h"

#include <ulmaro/platform/host.h>

#include <algorithm>
#include <cstring>

namespace ulmaro::platform::detail {

namespace {

HandleTable<GdiObject>& table() {
    static HandleTable<GdiObject> t;
    return t;
}

std::size_t& stockCount() {
    static std::size_t n = 0;
    return n;
}

// Live and peak counts by kind (stock objects excluded).
struct KindCounts {
    std::size_t live[6]{};
    std::size_t peak[6]{};
};
KindCounts& kindCounts() {
    static KindCounts c;
    return c;
}

template <class T>
std::uint32_t addStock(std::unique_ptr<T> o) {
    o->stock = true;
    ++stockCount();
    // Stock objects are shared by every process: they do not count against the quota.
    return table().add(std::move(o), false);
}

struct Stock {
    std::uint32_t brushes[6]{};
    std::uint32_t pens[3]{};
    std::uint32_t systemFont = 0, guiFont = 0;
    std::uint32_t monoBitmap = 0;
};

std::uint32_t stockBrush(COLORREF c, int style) {
    auto b = std::make_unique<Brush>();
    b->color = c;
    b->style = style;
    return addStock(std::move(b));
}
std::uint32_t stockPen(COLORREF c, int style) {
    auto p = std::make_unique<Pen>();
    p->color = c;
    p->style = style;
    return addStock(std::move(p));
}
std::uint32_t stockFont(const char* face, LONG height, LONG weight) {
    auto f = std::make_unique<Font>();
    f->lf.lfHeight = height;
    f->lf.lfWeight = weight;
    std::strncpy(f->lf.lfFaceName, face, LF_FACESIZE - 1);
    return addStock(std::move(f));
}

const Stock& stock() {
    static const Stock s = [] {
        Stock st;
        st.brushes[WHITE_BRUSH] = stockBrush(RGB(255, 255, 255), BS_SOLID);
        st.brushes[LTGRAY_BRUSH] = stockBrush(RGB(192, 192, 192), BS_SOLID);
        st.brushes[GRAY_BRUSH] = stockBrush(RGB(128, 128, 128), BS_SOLID);
        st.brushes[DKGRAY_BRUSH] = stockBrush(RGB(64, 64, 64), BS_SOLID);
        st.brushes[BLACK_BRUSH] = stockBrush(RGB(0, 0, 0), BS_SOLID);
        st.brushes[NULL_BRUSH] = stockBrush(0, BS_NULL);
        st.pens[0] = stockPen(RGB(255, 255, 255), PS_SOLID);
        st.pens[1] = stockPen(RGB(0, 0, 0), PS_SOLID);
        st.pens[2] = stockPen(0, PS_NULL);
        // The system font of the era: bold MS Sans Serif at 16 pixels.
        st.systemFont = stockFont("System", 16, FW_BOLD);
        st.guiFont = stockFont("MS Sans Serif", -11, FW_NORMAL);
        auto mono = std::make_unique<Bitmap>();
        mono->width = 1;
        mono->height = 1;
        mono->bitsPixel = 1;
        mono->px.assign(1, 0);
        st.monoBitmap = addStock(std::move(mono));
        return st;
    }();
    return s;
}

}  // namespace

std::uint32_t addObject(std::unique_ptr<GdiObject> object) {
    const auto kind = static_cast<std::size_t>(object->kind);
    std::uint32_t h = table().add(std::move(object));
    if (h) {
        KindCounts& c = kindCounts();
        c.peak[kind] = std::max(c.peak[kind], ++c.live[kind]);
    }
    return h;
}
GdiObject* findObject(const void* handle) { return table().get(handleValue(handle)); }
bool removeObject(const void* handle) {
    GdiObject* o = findObject(handle);
    if (!o) return false;
    if (!o->stock) --kindCounts().live[static_cast<std::size_t>(o->kind)];
    return table().remove(handleValue(handle));
}
std::size_t liveObjectCount() { return table().counted(); }
std::size_t peakObjectCount() { return table().peak(); }
std::size_t liveObjectCount(Kind k) { return kindCounts().live[static_cast<std::size_t>(k)]; }
std::size_t peakObjectCount(Kind k) { return kindCounts().peak[static_cast<std::size_t>(k)]; }

std::uint32_t stockObjectValue(int i) {
    const Stock& s = stock();
    if (i >= WHITE_BRUSH && i <= NULL_BRUSH) return s.brushes[i];
    if (i == WHITE_PEN) return s.pens[0];
    if (i == BLACK_PEN) return s.pens[1];
    if (i == NULL_PEN) return s.pens[2];
    if (i == SYSTEM_FONT) return s.systemFont;
    if (i == DEFAULT_GUI_FONT) return s.guiFont;
    return 0;
}
std::uint32_t stockMonoBitmap() { return stock().monoBitmap; }

COLORREF nearestColor(const Bitmap& b, COLORREF c) {
    if (!b.mono()) return c & 0x00FFFFFF;
    int r = GetRValue(c), g = GetGValue(c), bl = GetBValue(c);
    long toBlack = r * r + g * g + bl * bl;
    long toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - bl) * (255 - bl);
    return toWhite <= toBlack ? 0x00FFFFFF : 0;
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

HGDIOBJ GetStockObject(int i) {
    std::uint32_t v = stockObjectValue(i);
    return v ? const_cast<void*>(asHandle(v)) : nullptr;
}

HandleCounts GdiObjectCounts(DWORD objectType) {
    auto of = [](Kind k) { return HandleCounts{liveObjectCount(k), peakObjectCount(k)}; };
    switch (objectType) {
        case 0: return HandleCounts{liveObjectCount(), peakObjectCount()};
        case OBJ_DC:
        case OBJ_MEMDC: return of(Kind::Dc);
        case OBJ_BITMAP: return of(Kind::Bitmap);
        case OBJ_PEN: return of(Kind::Pen);
        case OBJ_BRUSH: return of(Kind::Brush);
        case OBJ_FONT: return of(Kind::Font);
        case OBJ_REGION: return of(Kind::Region);
        default: return HandleCounts{};
    }
}

DWORD GetObjectType(HGDIOBJ h) {
    GdiObject* o = findObject(h);
    if (!o) return 0;
    switch (o->kind) {
        case Kind::Dc: return static_cast<Dc*>(o)->type == Dc::Type::Memory ? OBJ_MEMDC : OBJ_DC;
        case Kind::Bitmap: return OBJ_BITMAP;
        case Kind::Pen: return OBJ_PEN;
        case Kind::Brush: return OBJ_BRUSH;
        case Kind::Font: return OBJ_FONT;
        case Kind::Region: return OBJ_REGION;
    }
    return 0;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    Dc* dc = lookupDc(hdc);
    GdiObject* o = findObject(h);
    if (!dc || !o) return nullptr;
    std::uint32_t* slot = nullptr;
    switch (o->kind) {
        case Kind::Pen: slot = &dc->pen; break;
        case Kind::Brush: slot = &dc->brush; break;
        case Kind::Font: slot = &dc->font; break;
        case Kind::Bitmap:
            // Only memory contexts take bitmaps, and a bitmap lives in one context at a time.
            if (dc->type != Dc::Type::Memory) return nullptr;
            if (o->selections > 0 && !o->stock && dc->bitmap != handleValue(h)) return nullptr;
            slot = &dc->bitmap;
            break;
        case Kind::Region: {
            // Selecting a region sets the clip region; the result is the region's complexity.
            SelectClipRgn(hdc, static_cast<HRGN>(h));
            int c = static_cast<Region*>(o)->data.complexity();
            return reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(c));
        }
        case Kind::Dc: return nullptr;
    }
    std::uint32_t previous = *slot;
    if (GdiObject* p = table().get(previous)) --p->selections;
    *slot = handleValue(h);
    ++o->selections;
    if (o->kind == Kind::Bitmap) dc->clip.reset();
    return const_cast<void*>(asHandle(previous));
}

BOOL DeleteObject(HGDIOBJ h) {
    GdiObject* o = findObject(h);
    if (!o || o->kind == Kind::Dc) return FALSE;
    if (o->stock) return TRUE;
    if (o->selections > 0) return FALSE;  // still selected into a context
    return removeObject(h) ? TRUE : FALSE;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return nullptr;
    std::uint32_t v = 0;
    switch (type) {
        case OBJ_PEN: v = dc->pen; break;
        case OBJ_BRUSH: v = dc->brush; break;
        case OBJ_FONT: v = dc->font; break;
        case OBJ_BITMAP: v = dc->bitmap; break;
        default: return nullptr;
    }
    return const_cast<void*>(asHandle(v));
}

int GetObjectA(HANDLE h, int c, LPVOID pv) {
    GdiObject* o = findObject(h);
    if (!o) return 0;
    if (o->kind == Kind::Bitmap) {
        if (!pv) return sizeof(BITMAP);
        if (c < static_cast<int>(sizeof(BITMAP))) return 0;
        auto* b = static_cast<Bitmap*>(o);
        BITMAP bm{};
        bm.bmWidth = b->width;
        bm.bmHeight = b->height;
        bm.bmPlanes = 1;
        bm.bmBitsPixel = static_cast<WORD>(b->bitsPixel);
        bm.bmWidthBytes = b->mono() ? ((b->width + 15) / 16) * 2 : b->width * 4;
        std::memcpy(pv, &bm, sizeof bm);
        return sizeof(BITMAP);
    }
    if (o->kind == Kind::Font) {
        if (!pv) return sizeof(LOGFONTA);
        int n = std::min<int>(c, sizeof(LOGFONTA));
        std::memcpy(pv, &static_cast<Font*>(o)->lf, static_cast<std::size_t>(n));
        return n;
    }
    return 0;
}

}  // namespace ulmaro::platform
