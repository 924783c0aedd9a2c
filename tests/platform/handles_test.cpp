// Handle checking for every call, object selection and its guards, and clipped fills.
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/scoped_gdi.h>
#include <ulmaro/platform/win32.h>

#include "support/canvas.h"

#include <gtest/gtest.h>

#include <functional>

using namespace ulmaro::platform;

namespace {

// Canvases here start black, as a new compatible bitmap does.
struct Canvas : ulmaro::test::Canvas {
    Canvas(int w, int h) : ulmaro::test::Canvas(w, h, RGB(0, 0, 0)) {}
};

}  // namespace

// Every call refuses a deleted context, a handle of the wrong kind (a bitmap or a brush
// where a context belongs) and missing arguments, drawing nothing and leaking nothing.
TEST(Handles, StaleWrongKindAndMissingArgumentsAreRefused) {
    std::size_t before = LiveGdiObjectCount();
    HBRUSH b = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(LiveGdiObjectCount(), before + 1);
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_FALSE(DeleteObject(b));  // already gone
    HBRUSH reused = CreateSolidBrush(RGB(4, 5, 6));
    EXPECT_NE(reused, b);  // the slot is reused with a new generation
    Canvas c(4, 4);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    const HDC wrongKind[] = {gone, reinterpret_cast<HDC>(c.bmp), reinterpret_cast<HDC>(reused)};
    RECT r{0, 0, 4, 4};
    POINT p{};
    SIZE sz{};
    TEXTMETRICA tm{};
    char name[8];
    const POINT pts[] = {{0, 0}, {3, 0}, {0, 3}};
    const BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {2, 2, 0xFF00, 0, 0, 0}};
    GRADIENT_RECT g = {0, 1};
    const std::pair<const char*, std::function<bool(HDC)>> calls[] = {
        {"FillRect", [&](HDC dc) { return FillRect(dc, &r, reused) != 0; }},
        {"GetPixel", [&](HDC dc) { return GetPixel(dc, 0, 0) != CLR_INVALID; }},
        {"MoveToEx", [&](HDC dc) { return MoveToEx(dc, 0, 0, nullptr) != 0; }},
        {"LineTo", [&](HDC dc) { return LineTo(dc, 1, 1) != 0; }},
        {"GetCurrentPositionEx", [&](HDC dc) { return GetCurrentPositionEx(dc, &p) != 0; }},
        {"Polyline", [&](HDC dc) { return Polyline(dc, pts, 2) != 0; }},
        {"Polygon", [&](HDC dc) { return Polygon(dc, pts, 3) != 0; }},
        {"Rectangle", [&](HDC dc) { return Rectangle(dc, 0, 0, 2, 2) != 0; }},
        {"Ellipse", [&](HDC dc) { return Ellipse(dc, 0, 0, 5, 5) != 0; }},
        {"RoundRect", [&](HDC dc) { return RoundRect(dc, 0, 0, 5, 5, 2, 2) != 0; }},
        {"BitBlt to", [&](HDC dc) { return BitBlt(dc, 0, 0, 2, 2, c.dc, 0, 0, SRCCOPY) != 0; }},
        {"BitBlt from", [&](HDC dc) { return BitBlt(c.dc, 0, 0, 2, 2, dc, 0, 0, SRCCOPY) != 0; }},
        {"StretchBlt from", [&](HDC dc) { return StretchBlt(c.dc, 0, 0, 2, 2, dc, 0, 0, 1, 1, SRCCOPY) != 0; }},
        {"PatBlt", [&](HDC dc) { return PatBlt(dc, 0, 0, 1, 1, PATCOPY) != 0; }},
        {"AlphaBlend from", [&](HDC dc) { return AlphaBlend(c.dc, 0, 0, 2, 2, dc, 0, 0, 2, 2, half) != 0; }},
        {"GradientFill", [&](HDC dc) { return GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_H) != 0; }},
        {"BeginPath", [&](HDC dc) { return BeginPath(dc) != 0; }},
        {"EndPath", [&](HDC dc) { return EndPath(dc) != 0; }},
        {"AbortPath", [&](HDC dc) { return AbortPath(dc) != 0; }},
        {"PathToRegion", [&](HDC dc) { return PathToRegion(dc) != nullptr; }},
        {"GetTextMetricsA", [&](HDC dc) { return GetTextMetricsA(dc, &tm) != 0; }},
        {"GetTextExtentPoint32A", [&](HDC dc) { return GetTextExtentPoint32A(dc, "a", 1, &sz) != 0; }},
        {"GetTextFaceA", [&](HDC dc) { return GetTextFaceA(dc, 8, name) != 0; }},
        {"TextOutA", [&](HDC dc) { return TextOutA(dc, 0, 0, "a", 1) != 0; }},
        {"DrawTextA", [&](HDC dc) { return DrawTextA(dc, "a", 1, &r, 0) != 0; }},
        {"GetTextAlign", [&](HDC dc) { return GetTextAlign(dc) != 0xFFFFFFFFu; }},
        {"DrawEdge", [&](HDC dc) { return DrawEdge(dc, &r, EDGE_RAISED, BF_RECT) != 0; }},
        {"DrawFocusRect", [&](HDC dc) { return DrawFocusRect(dc, &r) != 0; }},
    };
    for (const auto& [call, run] : calls)
        for (HDC dc : wrongKind) EXPECT_FALSE(run(dc)) << call;
    // Missing or wrong arguments on a good context.
    EXPECT_FALSE(FillRect(c.dc, &r, reinterpret_cast<HBRUSH>(c.bmp)));  // a bitmap is no brush
    EXPECT_FALSE(BitBlt(c.dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(c.dc, 0, 0, 1, 1, nullptr, 0, 0, WHITENESS));  // reads no source, needs none
    EXPECT_FALSE(Polyline(c.dc, pts, 1));
    EXPECT_FALSE(Polyline(c.dc, nullptr, 2));
    EXPECT_FALSE(Polygon(c.dc, pts, 1));
    EXPECT_FALSE(GetTextMetricsA(c.dc, nullptr));
    EXPECT_FALSE(GetTextExtentPoint32A(c.dc, "a", -1, &sz));
    EXPECT_FALSE(GetTextExtentPoint32A(c.dc, "a", 1, nullptr));
    EXPECT_FALSE(TextOutA(c.dc, 0, 0, nullptr, 1));
    EXPECT_EQ(DrawTextA(c.dc, "a", 1, nullptr, 0), 0);
    EXPECT_FALSE(DrawEdge(c.dc, nullptr, EDGE_RAISED, BF_RECT));
    EXPECT_FALSE(DrawFocusRect(c.dc, nullptr));
    EXPECT_EQ(c.mask(RGB(0, 0, 0)), ulmaro::test::rows({".###", "####", "####", "####"}));  // the one white pixel
    DeleteObject(reused);
    EXPECT_EQ(LiveGdiObjectCount(), before + 2);  // the canvas' context and bitmap
}

TEST(Handles, SelectReturnsPreviousAndSelectedBitmapIsNotDeleted) {
    Canvas c(2, 2);
    HBITMAP other = CreateCompatibleBitmap(c.dc, 2, 2);
    EXPECT_EQ(SelectObject(c.dc, other), c.bmp);
    EXPECT_FALSE(DeleteObject(other));  // still selected
    EXPECT_EQ(SelectObject(c.dc, c.bmp), other);
    EXPECT_TRUE(DeleteObject(other));
}

TEST(Handles, MemoryContextStartsMonochrome) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP b = CreateCompatibleBitmap(dc, 3, 3);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(b, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(b);
    DeleteDC(dc);
}

TEST(Fill, FillRectHonoursClipRegionAndExcludesRightBottom) {
    Canvas c(6, 6);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HRGN clip = CreateRectRgn(2, 2, 5, 5);
    SelectClipRgn(c.dc, clip);
    DeleteObject(clip);  // the context keeps its own copy
    RECT r{0, 0, 4, 6};
    FillRect(c.dc, &r, red);
    DeleteObject(red);
    EXPECT_EQ(c.mask(RGB(255, 0, 0)), ulmaro::test::rows({"......", "......", "..##..", "..##..", "..##..", "......"}));
}

TEST(Regions, CombineModesAndEquality) {
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15), d = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), SIMPLEREGION);
    RECT box;
    GetRgnBox(d, &box);
    EXPECT_TRUE(EqualRect(&box, &(const RECT&)RECT{5, 5, 10, 10}));
    EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(d, 14, 14));
    EXPECT_FALSE(PtInRegion(d, 14, 2));
    EXPECT_EQ(CombineRgn(d, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(d, 7, 7));
    EXPECT_EQ(CombineRgn(d, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(d, 2, 7));
    EXPECT_FALSE(PtInRegion(d, 7, 7));
    // The same area built two ways is equal.
    HRGN top = CreateRectRgn(0, 0, 10, 5), bottom = CreateRectRgn(0, 5, 10, 10), u = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(u, top, bottom, RGN_OR);
    EXPECT_TRUE(EqualRgn(u, a));
    EXPECT_EQ(CombineRgn(d, a, a, RGN_DIFF), NULLREGION);
    for (HRGN h : {a, b, d, top, bottom, u}) DeleteObject(h);
}

// Guards undo what they did, in reverse order, on scope exit.
TEST(ScopedGdi, SelectionIsUndoneBeforeTheObjectIsDeleted) {
    HGDIOBJ brush = nullptr;
    HBITMAP bmp = nullptr;
    {
        MemoryDC dc(nullptr);
        ASSERT_NE(dc.get(), nullptr);
        HGDIOBJ originalBrush = GetCurrentObject(dc, OBJ_BRUSH);
        {
            ScopedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
            brush = red.get();
            SelectedObject in(dc, red);
            EXPECT_EQ(in.previous(), originalBrush);
            EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
        }
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), originalBrush);
        EXPECT_EQ(GetObjectType(brush), 0u);  // deleted, not left selected
        ScopedBitmap kept(CreateCompatibleBitmap(dc, 4, 4));
        bmp = kept.release();
    }
    EXPECT_EQ(GetObjectType(bmp), OBJ_BITMAP);  // released: the caller owns it now
    DeleteObject(bmp);
}
