// Draws a contact sheet of the reference pictures: every PNG under a folder (one heading per
// subfolder), each with its name under it, flowed into rows. Pictures whose larger side is
// under 48 pixels are shown enlarged by a whole factor (named after the picture, "x4").
//
// Usage: ulmaro_snapshot_sheet SNAPSHOT_FOLDER OUT.png [WIDTH]
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/png.h>
#include <ulmaro/platform/win32.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace ulmaro::platform;
namespace fs = std::filesystem;

namespace {

constexpr int kMargin = 8;      // around the sheet and between cells
constexpr int kLabelGap = 2;    // between a picture and its name
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(200, 200, 200);

constexpr int kSmall = 48;

struct Cell {
    std::string name;
    Image picture;
    int scale = 1;
    int x = 0, y = 0, w = 0, h = 0;  // the cell on the sheet
};

struct Group {
    std::string name;
    std::vector<Cell> cells;
    int y = 0;  // top of the heading
};

SIZE textSize(HDC dc, const std::string& s) {
    SIZE size{};
    GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &size);
    return size;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: ulmaro_snapshot_sheet SNAPSHOT_FOLDER OUT.png [WIDTH]\n";
        return 2;
    }
    const fs::path root = argv[1];
    const int sheetWidth = argc > 3 ? std::atoi(argv[3]) : 1200;

    // Groups and pictures in name order, so the sheet is the same on every machine.
    std::map<std::string, std::map<std::string, fs::path>> found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".png") continue;
        fs::path rel = fs::relative(entry.path(), root);
        std::string group = rel.has_parent_path() ? rel.parent_path().generic_string() : ".";
        found[group][entry.path().stem().string()] = entry.path();
    }

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HFONT nameFont = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
    HFONT headFont = CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");

    // Lay out: each group starts a new row under its heading.
    std::vector<Group> groups;
    int y = kMargin;
    HGDIOBJ oldFont = SelectObject(dc, headFont);
    const int headHeight = textSize(dc, "Ag").cy + 4;
    SelectObject(dc, nameFont);
    const int nameHeight = textSize(dc, "Ag").cy;
    for (const auto& [groupName, files] : found) {
        Group g;
        g.name = groupName;
        g.y = y;
        y += headHeight;
        int x = kMargin, rowHeight = 0;
        for (const auto& [name, path] : files) {
            Cell c;
            c.name = name;
            std::string error;
            if (!ReadPng(path.string(), c.picture, &error)) {
                std::cerr << error << "\n";
                return 1;
            }
            const int side = std::max(c.picture.width, c.picture.height);
            while (side * c.scale < kSmall && c.scale < 8) ++c.scale;
            if (c.scale > 1) c.name += " x" + std::to_string(c.scale);
            c.w = std::max(c.picture.width * c.scale + 2, static_cast<int>(textSize(dc, c.name).cx));
            c.h = c.picture.height * c.scale + 2 + kLabelGap + nameHeight;
            if (x > kMargin && x + c.w > sheetWidth - kMargin) {
                x = kMargin;
                y += rowHeight + kMargin;
                rowHeight = 0;
            }
            c.x = x;
            c.y = y;
            x += c.w + kMargin * 2;
            rowHeight = std::max(rowHeight, c.h);
            g.cells.push_back(std::move(c));
        }
        y += rowHeight + kMargin * 2;
        groups.push_back(std::move(g));
    }
    const int sheetHeight = y;

    HBITMAP sheet = CreateCompatibleBitmap(screen, sheetWidth, sheetHeight);
    HGDIOBJ oldBitmap = SelectObject(dc, sheet);
    HBRUSH paper = CreateSolidBrush(kPaper);
    RECT all{0, 0, sheetWidth, sheetHeight};
    FillRect(dc, &all, paper);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (const Group& g : groups) {
        SelectObject(dc, headFont);
        TextOutA(dc, kMargin, g.y, g.name.c_str(), static_cast<int>(g.name.size()));
        SelectObject(dc, nameFont);
        for (const Cell& c : g.cells) {
            // A one-pixel frame around the picture shows where it ends on a white sheet.
            const int w = c.picture.width * c.scale, h = c.picture.height * c.scale;
            for (int i = 0; i < w + 2; ++i) {
                SetPixelV(dc, c.x + i, c.y, kFrame);
                SetPixelV(dc, c.x + i, c.y + h + 1, kFrame);
            }
            for (int i = 0; i < h + 2; ++i) {
                SetPixelV(dc, c.x, c.y + i, kFrame);
                SetPixelV(dc, c.x + w + 1, c.y + i, kFrame);
            }
            for (int py = 0; py < h; ++py)
                for (int px = 0; px < w; ++px)
                    SetPixelV(dc, c.x + 1 + px, c.y + 1 + py, c.picture.view().at(px / c.scale, py / c.scale));
            TextOutA(dc, c.x, c.y + h + 2 + kLabelGap, c.name.c_str(), static_cast<int>(c.name.size()));
        }
    }

    std::string error;
    bool ok = WritePng(argv[2], GetDcPixels(dc), &error);
    if (!ok) std::cerr << error << "\n";
    SelectObject(dc, oldBitmap);
    SelectObject(dc, oldFont);
    DeleteObject(sheet);
    DeleteObject(paper);
    DeleteObject(nameFont);
    DeleteObject(headFont);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return ok ? 0 : 1;
}
