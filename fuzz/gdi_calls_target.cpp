// Drawing calls with any arguments: sizes and coordinates from zero and negative to the ends
// of the integer range, bitmaps too large to make, regions of every shape combined in every
// mode, figures, block transfers, text with any flags. Each call either works or returns the
// platform's failure value; nothing crashes, overflows or hangs, and nothing is left behind.
#include "fuzz_support.h"

#include <ulmaro/platform/win32.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

namespace ulmaro::fuzz {

using namespace platform;

namespace {

// Mostly coordinates near the canvas, sometimes the values where arithmetic breaks.
int coord(Choices& in) {
    static constexpr std::array<int, 12> kEdges{INT_MIN, INT_MIN + 1, -(1 << 27), -100000, -1, 0,
                                                1,       1 << 15,     1 << 27,     100000,   INT_MAX - 1, INT_MAX};
    const std::uint8_t b = in.byte();
    if (b < 16) return kEdges[b % kEdges.size()];
    return static_cast<int>(in.pick(400)) - 100;
}

COLORREF colour(Choices& in) { return in.u32(); }

RECT rect(Choices& in) { return RECT{coord(in), coord(in), coord(in), coord(in)}; }

std::vector<POINT> points(Choices& in) {
    std::vector<POINT> pts(in.pick(12));
    for (POINT& p : pts) p = POINT{coord(in), coord(in)};
    return pts;
}

}  // namespace

int GdiCalls(const std::uint8_t* data, std::size_t size) {
    Choices in(data, size);
    HandleBaseline baseline;
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HDC src = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, 96, 64);
        HBITMAP source = CreateCompatibleBitmap(screen, 48, 40);
        HGDIOBJ oldCanvas = SelectObject(dc, canvas);
        HGDIOBJ oldSource = SelectObject(src, source);
        std::vector<HRGN> regions;
        std::vector<HGDIOBJ> made;  // pens, brushes, fonts and bitmaps this run created
        for (std::size_t op = 0; op < 64 && !in.empty(); ++op) {
            switch (in.byte() % 20) {
                case 0: {  // a bitmap of any size, selected into the source context
                    HBITMAP b = in.byte() & 1 ? CreateCompatibleBitmap(screen, coord(in), coord(in))
                                              : CreateBitmap(coord(in) % 4096, coord(in) % 4096, 1, in.byte() & 1 ? 1 : 32, nullptr);
                    if (b) {
                        SelectObject(src, b);
                        made.push_back(b);
                    }
                    break;
                }
                case 1: {
                    HPEN pen = CreatePen(static_cast<int>(in.pick(9)), coord(in) % 64, colour(in));
                    if (pen) made.push_back(pen), SelectObject(dc, pen);
                    break;
                }
                case 2: {
                    HBRUSH brush = CreateSolidBrush(colour(in));
                    if (brush) made.push_back(brush), SelectObject(dc, brush);
                    break;
                }
                case 3: {
                    const char* face = std::array{"MS Sans Serif", "Tahoma", "Webdings", "Marlett", "Nothing"}[in.pick(5)];
                    HFONT font = CreateFontA(coord(in) % 300, coord(in) % 100, coord(in) % 3600, 0, static_cast<int>(in.pick(1001)),
                                             in.byte() & 1, in.byte() & 1, in.byte() & 1, ANSI_CHARSET, 0, 0,
                                             static_cast<DWORD>(in.pick(6)), 0, face);
                    if (font) made.push_back(font), SelectObject(dc, font);
                    break;
                }
                case 4: {
                    HRGN r = nullptr;
                    switch (in.pick(4)) {
                        case 0: r = CreateRectRgn(coord(in), coord(in), coord(in), coord(in)); break;
                        case 1: r = CreateEllipticRgn(coord(in), coord(in), coord(in), coord(in)); break;
                        case 2: r = CreateRoundRectRgn(coord(in), coord(in), coord(in), coord(in), coord(in), coord(in)); break;
                        default: {
                            const std::vector<POINT> pts = points(in);
                            r = CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), in.byte() & 1 ? WINDING : ALTERNATE);
                        }
                    }
                    if (r) regions.push_back(r);
                    break;
                }
                case 5:
                    if (regions.size() >= 2)
                        CombineRgn(regions[in.pick(regions.size())], regions[in.pick(regions.size())],
                                   regions[in.pick(regions.size())], 1 + static_cast<int>(in.pick(5)));
                    break;
                case 6:
                    if (!regions.empty()) {
                        HRGN r = regions[in.pick(regions.size())];
                        switch (in.pick(5)) {
                            case 0: OffsetRgn(r, coord(in), coord(in)); break;
                            case 1: FillRgn(dc, r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); break;
                            case 2: SelectClipRgn(dc, r); break;
                            case 3: PtInRegion(r, coord(in), coord(in)); break;
                            default: {
                                RECT box{};
                                GetRgnBox(r, &box);
                                const RECT probe = rect(in);
                                RectInRegion(r, &probe);
                            }
                        }
                    }
                    break;
                case 7: SelectClipRgn(dc, nullptr); break;
                case 8: IntersectClipRect(dc, coord(in), coord(in), coord(in), coord(in)); break;
                case 9: {
                    const int l = coord(in), t = coord(in), r = coord(in), b = coord(in);
                    switch (in.pick(4)) {
                        case 0: Rectangle(dc, l, t, r, b); break;
                        case 1: Ellipse(dc, l, t, r, b); break;
                        case 2: RoundRect(dc, l, t, r, b, coord(in), coord(in)); break;
                        default: MoveToEx(dc, l, t, nullptr), LineTo(dc, r, b);
                    }
                    break;
                }
                case 10: {
                    const std::vector<POINT> pts = points(in);
                    in.byte() & 1 ? Polygon(dc, pts.data(), static_cast<int>(pts.size())) : Polyline(dc, pts.data(), static_cast<int>(pts.size()));
                    break;
                }
                case 11: {
                    const RECT r = rect(in);
                    switch (in.pick(4)) {
                        case 0: FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))); break;
                        case 1: FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))); break;
                        case 2: InvertRect(dc, &r); break;
                        default: DrawFocusRect(dc, &r);
                    }
                    break;
                }
                case 12: {
                    RECT r = rect(in);
                    DrawEdge(dc, &r, in.byte() & 0x0F, in.u32() & 0xFFFF);
                    break;
                }
                case 13: {
                    const DWORD rop = std::array<DWORD, 8>{SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, MERGECOPY, PATCOPY, DSTINVERT, in.u32() & 0x00FF0000}[in.pick(8)];
                    in.byte() & 1 ? BitBlt(dc, coord(in), coord(in), coord(in), coord(in), src, coord(in), coord(in), rop)
                                  : PatBlt(dc, coord(in), coord(in), coord(in), coord(in), rop);
                    break;
                }
                case 14:
                    StretchBlt(dc, coord(in), coord(in), coord(in) % 2048, coord(in) % 2048, src, coord(in), coord(in),
                               coord(in) % 2048, coord(in) % 2048, in.byte() & 1 ? SRCCOPY : SRCAND);
                    break;
                case 15: {
                    const BLENDFUNCTION bf{AC_SRC_OVER, 0, in.byte(), static_cast<BYTE>(in.byte() & 1 ? AC_SRC_ALPHA : 0)};
                    AlphaBlend(dc, coord(in), coord(in), coord(in) % 2048, coord(in) % 2048, src, coord(in), coord(in), coord(in) % 2048,
                               coord(in) % 2048, bf);
                    break;
                }
                case 16: {
                    TRIVERTEX v[2] = {{coord(in), coord(in), 0xFF00, 0, 0, 0}, {coord(in), coord(in), 0, 0xFF00, 0, 0}};
                    GRADIENT_RECT g{0, 1};
                    GradientFill(dc, v, 2, &g, 1, in.byte() & 1 ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
                    break;
                }
                case 17: {
                    // With DT_MODIFYSTRING the caller gives room for four more characters.
                    std::string s = in.text(80);
                    const int n = in.byte() & 1 ? -1 : static_cast<int>(s.size());
                    s.append(4, '\0');
                    RECT r = rect(in);
                    DrawTextA(dc, s.data(), n, &r, in.u32() & 0x7FFFF);
                    break;
                }
                case 18: {
                    const std::string s = in.text(80);
                    const int n = static_cast<int>(s.size());
                    std::vector<INT> dx(s.size());
                    for (INT& d : dx) d = coord(in) % 64;
                    const RECT r = rect(in);
                    switch (in.pick(4)) {
                        case 0: TextOutA(dc, coord(in), coord(in), s.data(), n); break;
                        case 1:
                            ExtTextOutA(dc, coord(in), coord(in), in.byte() & (ETO_OPAQUE | ETO_CLIPPED), &r, s.data(),
                                        static_cast<UINT>(n), in.byte() & 1 ? dx.data() : nullptr);
                            break;
                        case 2: {
                            const INT tabs[2] = {coord(in) % 200, coord(in) % 200};
                            TabbedTextOutA(dc, coord(in), coord(in), s.data(), n, static_cast<int>(in.pick(3)), tabs, coord(in));
                            break;
                        }
                        default: {
                            INT fit = 0;
                            SIZE sz{};
                            GetTextExtentExPointA(dc, s.data(), n, coord(in), &fit, dx.data(), &sz);
                        }
                    }
                    break;
                }
                default: {
                    SetBkMode(dc, in.byte() & 1 ? OPAQUE : TRANSPARENT);
                    SetROP2(dc, 1 + static_cast<int>(in.pick(16)));
                    SetTextAlign(dc, in.u32() & 0x1F);
                    SetPolyFillMode(dc, in.byte() & 1 ? WINDING : ALTERNATE);
                }
            }
        }
        SelectClipRgn(dc, nullptr);
        SelectObject(dc, oldCanvas);
        SelectObject(src, oldSource);
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
        for (HRGN r : regions) DeleteObject(r);
        for (HGDIOBJ o : made) DeleteObject(o);
        DeleteObject(canvas);
        DeleteObject(source);
        DeleteDC(dc);
        DeleteDC(src);
        ReleaseDC(nullptr, screen);
    }
    baseline.check();
    return 0;
}

}  // namespace ulmaro::fuzz
