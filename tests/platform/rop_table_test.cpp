// Every one of the 256 ternary raster operations, checked bit by bit against its truth
// table, on rows long enough for every vector loop (two, one and part of a vector) with odd tails.
#include "support/canvas.h"

#include <vector>

using namespace ulmaro::platform;
using ulmaro::test::Canvas;

namespace {

constexpr int W = 53, H = 3;

COLORREF sample(int i, unsigned seed) { return (static_cast<COLORREF>(i) * 2654435761u ^ seed) & 0x00FFFFFF; }

// The result of a truth table over pattern, source and destination, bit by bit.
COLORREF byTable(unsigned table, COLORREF p, COLORREF s, COLORREF d) {
    COLORREF out = 0;
    for (int bit = 0; bit < 24; ++bit) {
        const unsigned index = (((p >> bit) & 1u) << 2) | (((s >> bit) & 1u) << 1) | ((d >> bit) & 1u);
        out |= static_cast<COLORREF>((table >> index) & 1u) << bit;
    }
    return out;
}

// A W x H canvas of colours picked by `seed`.
struct Seeded : Canvas {
    explicit Seeded(unsigned seed) : Canvas(W, H) {
        for (int i = 0; i < W * H; ++i) SetPixel(dc, i % W, i / W, sample(i, seed));
    }
};

}  // namespace

// The named operations carry their full code (a low word too) and may take their own paths.
std::vector<DWORD> everyOperation() {
    std::vector<DWORD> all{SRCCOPY,    SRCPAINT, SRCAND,   SRCINVERT, SRCERASE,  NOTSRCCOPY, NOTSRCERASE, MERGECOPY,
                           MERGEPAINT, PATCOPY,  PATPAINT, PATINVERT, DSTINVERT, BLACKNESS,  WHITENESS};
    for (DWORD table = 0; table < 256; ++table) all.push_back(table << 16);
    return all;
}

TEST(RopTable, EveryTernaryOperationFollowsItsTruthTable) {
    const COLORREF pattern = RGB(0x35, 0xCA, 0x0F);
    HBRUSH brush = CreateSolidBrush(pattern);
    Seeded src(0x5A5A5A);
    for (const DWORD rop : everyOperation()) {
        const unsigned table = (rop >> 16) & 0xFF;
        Seeded dst(0x0F0F0F);
        HGDIOBJ oldBrush = SelectObject(dst.dc, brush);
        // Start one pixel in so that the rows do not start on a vector boundary.
        ASSERT_TRUE(BitBlt(dst.dc, 1, 0, W - 1, H, src.dc, 0, 0, rop)) << std::hex << rop;
        int bad = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const COLORREF d = sample(y * W + x, 0x0F0F0F);
                const COLORREF want = x == 0 ? d : byTable(table, pattern, sample(y * W + x - 1, 0x5A5A5A), d);
                bad += GetPixel(dst.dc, x, y) != want;
            }
        EXPECT_EQ(bad, 0) << "raster operation 0x" << std::hex << rop;
        SelectObject(dst.dc, oldBrush);
    }
    DeleteObject(brush);
}

TEST(RopTable, PatBltOperationsReadPatternAndDestination) {
    const COLORREF pattern = RGB(0xA1, 0x10, 0x7E);
    HBRUSH brush = CreateSolidBrush(pattern);
    for (unsigned table = 0; table < 256; ++table) {
        // PatBlt takes only the operations that ignore the source.
        if (((table >> 2) & 0x33) != (table & 0x33)) continue;
        Seeded dst(0x123456);
        HGDIOBJ oldBrush = SelectObject(dst.dc, brush);
        ASSERT_TRUE(PatBlt(dst.dc, 0, 0, W, H, table << 16)) << table;
        int bad = 0;
        for (int i = 0; i < W * H; ++i) bad += GetPixel(dst.dc, i % W, i / W) != byTable(table, pattern, 0, sample(i, 0x123456));
        EXPECT_EQ(bad, 0) << "raster operation 0x" << std::hex << table;
        SelectObject(dst.dc, oldBrush);
    }
    DeleteObject(brush);
}
