// Compares a drawing on the 96 x 64 reference canvas with the picture the real platform
// drew for the same steps (tests/platform/oracle/NAME.txt, one row per line, RRGGBB per
// pixel). On a mismatch it writes NAME.png (expected), NAME.new.png (ours) and
// NAME.diff.png (differing pixels red) into the build folder, '/' in NAME becoming '_'.
#pragma once

#include "app/picture_diff.h"

#include <ulmaro/platform/host.h>
#include <ulmaro/platform/png.h>
#include <ulmaro/platform/win32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ulmaro::test {

using namespace ulmaro::platform;

inline std::vector<COLORREF> loadOracle(const std::string& name, int w, int h) {
    std::ifstream in(std::string(ULMARO_SOURCE_DIR) + "/tests/platform/oracle/" + name + ".txt");
    std::vector<COLORREF> px;
    std::string tok;
    while (in >> tok) {
        unsigned v = std::stoul(tok, nullptr, 16);
        px.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    }
    if (px.size() != static_cast<std::size_t>(w * h)) px.clear();
    return px;
}

// A colour of the reference machine's system colour scheme and the one ours has in its place.
using Recolour = std::vector<std::pair<COLORREF, COLORREF>>;

// Draws on a fresh white canvas as the reference harness does and compares. Pictures that
// use system colours name, in `recolour`, how the reference scheme maps to ours. Pixels in
// `unchecked` are left out (where the reference is known to be wrong; the caller checks
// them some other way). Returns our pixels.
inline std::vector<COLORREF> expectMatchesOracle(const std::string& name, const std::function<void(HDC)>& draw,
                                                 const Recolour& recolour = {}, RECT unchecked = {0, 0, 0, 0}) {
    const int W = 96, H = 64;
    std::size_t before = LiveGdiObjectCount();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, W, H);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT all = {0, 0, W, H};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &all, white);
    DeleteObject(white);
    draw(dc);
    SelectClipRgn(dc, nullptr);
    std::vector<COLORREF> ours(W * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) ours[y * W + x] = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(LiveGdiObjectCount(), before) << name << ": GDI objects leaked";

    std::vector<COLORREF> expected = loadOracle(name, W, H);
    EXPECT_FALSE(expected.empty()) << "no reference picture for " << name;
    if (expected.empty()) return ours;
    for (COLORREF& c : expected)
        for (const auto& [from, to] : recolour)
            if (c == from) {
                c = to;
                break;
            }
    for (int i = 0; i < W * H; ++i)
        if (i % W >= unchecked.left && i % W < unchecked.right && i / W >= unchecked.top && i / W < unchecked.bottom)
            expected[i] = ours[i];
    const Image want{W, H, expected, {}}, got{W, H, ours, {}};
    const app::PictureDifference d = app::comparePictures(want, got);
    if (d.differing) {
        std::string flat = name;
        std::replace(flat.begin(), flat.end(), '/', '_');
        const std::string base = std::string(ULMARO_BINARY_DIR) + "/" + flat;
        WritePng(base + ".png", want.view());
        WritePng(base + ".new.png", got.view());
        WritePng(base + ".diff.png", d.marked.view());
    }
    EXPECT_EQ(d.differing, 0) << app::describeDifference(d, want, got, name) << " (see " << ULMARO_BINARY_DIR << ")";
    return ours;
}

}  // namespace ulmaro::test
