// The GDI object model behind the handles: device contexts, bitmaps, pens, brushes, fonts
// and regions live in one handle table; every API call looks its handles up with a kind
// check, so a wrong, deleted or stale handle fails cleanly.
#pragma once

#include "region_data.h"

#include <ulmaro/platform/win32.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ulmaro::platform::detail {

enum class Kind : std::uint8_t { Dc, Bitmap, Pen, Brush, Font, Region };

struct GdiObject {
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    Kind kind;
    bool stock = false;
    int selections = 0;  // how many device contexts hold this object selected
};

// Pixels are stored as COLORREF values (0x00BBGGRR), row by row from the top.
// A monochrome bitmap holds only 0x000000 and 0xFFFFFF.
struct Bitmap : GdiObject {
    Bitmap() : GdiObject(Kind::Bitmap) {}
    int width = 0;
    int height = 0;
    int bitsPixel = 32;  // 1 or 32
    std::vector<COLORREF> px;
    bool mono() const { return bitsPixel == 1; }
    COLORREF* row(int y) { return px.data() + static_cast<std::size_t>(y) * width; }
    const COLORREF* row(int y) const { return px.data() + static_cast<std::size_t>(y) * width; }
};

struct Pen : GdiObject {
    Pen() : GdiObject(Kind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct Brush : GdiObject {
    Brush() : GdiObject(Kind::Brush) {}
    int style = BS_SOLID;
    COLORREF color = 0;
};

// The text code keeps its rasteriser state behind `impl`.
struct Font : GdiObject {
    Font() : GdiObject(Kind::Font) {}
    LOGFONTA lf{};
    std::shared_ptr<void> impl;
};

struct Region : GdiObject {
    Region() : GdiObject(Kind::Region) {}
    RegionData data;
};

// Path construction state of a device context (BeginPath ... EndPath).
struct PathState {
    enum class Phase { None, Open, Closed } phase = Phase::None;
    std::vector<POINT> points;
    std::vector<BYTE> types;
};

struct Dc : GdiObject {
    Dc() : GdiObject(Kind::Dc) {}
    enum class Type { Memory, Window, Screen } type = Type::Memory;
    HWND hwnd = nullptr;          // window and screen contexts
    std::uint32_t bitmap = 0;     // memory contexts: the selected bitmap
    std::uint32_t pen = 0, brush = 0, font = 0;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT pos{0, 0};
    std::optional<RegionData> clip;  // device coordinates; none means the whole surface
    PathState path;
};

// ---- Handle table access ----------------------------------------------------------------
std::uint32_t addObject(std::unique_ptr<GdiObject> object);
GdiObject* findObject(const void* handle);
bool removeObject(const void* handle);
std::size_t liveObjectCount();  // stock objects excluded
std::size_t peakObjectCount();
std::size_t liveObjectCount(Kind k);
std::size_t peakObjectCount(Kind k);

template <class T, class H>
H makeHandle(std::uint32_t value) {
    return reinterpret_cast<H>(static_cast<std::uintptr_t>(value));
}
inline std::uint32_t handleValue(const void* h) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(h));
}

template <class T>
T* lookup(const void* handle, Kind kind) {
    GdiObject* o = findObject(handle);
    return (o && o->kind == kind) ? static_cast<T*>(o) : nullptr;
}
inline Dc* lookupDc(HDC h) { return lookup<Dc>(h, Kind::Dc); }
inline Bitmap* lookupBitmap(const void* h) { return lookup<Bitmap>(h, Kind::Bitmap); }
inline Pen* lookupPen(const void* h) { return lookup<Pen>(h, Kind::Pen); }
inline Brush* lookupBrush(const void* h) { return lookup<Brush>(h, Kind::Brush); }
inline Font* lookupFont(const void* h) { return lookup<Font>(h, Kind::Font); }
inline Region* lookupRegion(const void* h) { return lookup<Region>(h, Kind::Region); }
inline const void* asHandle(std::uint32_t v) { return reinterpret_cast<const void*>(static_cast<std::uintptr_t>(v)); }

// ---- Drawing targets ---------------------------------------------------------------------
// What a drawing call on a device context writes to: the pixels and the visible area
// (surface bounds, intersected with the clip region and, for a window, its window region).
struct Target {
    Bitmap* bmp = nullptr;
    RegionData visible;  // device coordinates
    bool ok() const { return bmp != nullptr; }
    bool visibleAt(int x, int y) const { return visible.contains(x, y); }
    void put(int x, int y, COLORREF c) const {
        if (visible.contains(x, y)) bmp->row(y)[x] = c;
    }
};
Target targetOf(Dc& dc);
Bitmap* bitmapOf(Dc& dc);  // the surface of a context, clip ignored (a blit source)

// Calls f(rect) for each visible part of `area` (device coordinates).
template <class F>
void forEachVisible(const Target& t, const RECT& area, F f) {
    for (const RECT& v : t.visible.rects) {
        if (v.top >= area.bottom) break;
        RECT r{std::max(v.left, area.left), std::max(v.top, area.top), std::min(v.right, area.right),
               std::min(v.bottom, area.bottom)};
        if (r.left < r.right && r.top < r.bottom) f(r);
    }
}

// The colour a surface stores when a pen or brush of colour c draws on it: itself on a
// colour surface, the nearer of black and white on a monochrome one.
COLORREF nearestColor(const Bitmap& b, COLORREF c);

// Window surfaces: implemented by the window module.
Bitmap* windowSurface(HWND hwnd);
std::optional<RegionData> windowRegionOf(HWND hwnd);  // window region in client coordinates

}  // namespace ulmaro::platform::detail
