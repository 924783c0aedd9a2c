// Compares a drawing on the 96 x 64 reference canvas with the picture the real platform
// drew for the same steps (tests/platform/oracle/NAME.txt, one row per line, RRGGBB per
// pixel). On a mismatch it writes NAME.png (expected), NAME.new.png (ours) and
// NAME.diff.png (red where they differ) into the build folder.
#pragma once

#include <ulmaro/platform/host.h>
#include <ulmaro/platform/png.h>
#include <ulmaro/platform/win32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
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
    int bad = 0;
    std::ostringstream first;
    std::vector<COLORREF> diff(W * H);
    for (int i = 0; i < W * H; ++i) {
        const int x = i % W, y = i / W;
        if (x >= unchecked.left && x < unchecked.right && y >= unchecked.top && y < unchecked.bottom)
            expected[i] = ours[i];
        bool same = ours[i] == expected[i];
        diff[i] = same ? RGB(255, 255, 255) : RGB(255, 0, 0);
        if (!same && bad++ < 8) first << " (" << i % W << "," << i / W << ") want " << std::hex << expected[i] << " got " << ours[i] << std::dec;
    }
    if (bad) {
        std::string flat = name;
        for (char& c : flat)
            if (c == '/') c = '_';
        std::string base = std::string(ULMARO_BINARY_DIR) + "/" + flat;
        WritePng(base + ".png", PixelView{expected.data(), W, H, false});
        WritePng(base + ".new.png", PixelView{ours.data(), W, H, false});
        WritePng(base + ".diff.png", PixelView{diff.data(), W, H, false});
        // Ours in the reference format too, for comparing side by side with other tools.
        std::ofstream txt(base + ".new.txt");
        for (int i = 0; i < W * H; ++i) {
            char px[8];
            std::snprintf(px, sizeof px, "%02X%02X%02X", GetRValue(ours[i]), GetGValue(ours[i]), GetBValue(ours[i]));
            txt << px << (i % W + 1 < W ? ' ' : '\n');
        }
    }
    EXPECT_EQ(bad, 0) << name << ": " << bad << " pixels differ;" << first.str();
    return ours;
}

}  // namespace ulmaro::test
