// The standard picture object: BMP and PNG files, sizes in HIMETRIC, errors, handle lifetime.
#include "framework/std_picture.h"

#include <ulmaro/platform/host.h>
#include <ulmaro/platform/png.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace ulmaro;
using namespace ulmaro::platform;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string testFile(const std::string& name) {
    std::filesystem::path dir = std::filesystem::path(ULMARO_BINARY_DIR) / "framework_test_files";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

std::string writeFile(const std::string& name, const Bytes& bytes) {
    std::string path = testFile(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A BMP file with a 40-byte header: `extra` (colour masks, palette) goes between the header
// and `pixels`, which holds the rows exactly as stored, padding included.
Bytes bmp(std::int32_t width, std::int32_t height, int bits, const Bytes& extra, const Bytes& pixels,
          std::uint32_t compression = 0, std::uint32_t colorsUsed = 0) {
    Bytes b{'B', 'M'};
    std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(extra.size());
    put32(b, offset + static_cast<std::uint32_t>(pixels.size()));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(width));
    put32(b, static_cast<std::uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(bits));
    put32(b, compression);
    put32(b, static_cast<std::uint32_t>(pixels.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, colorsUsed);
    put32(b, 0);
    b.insert(b.end(), extra.begin(), extra.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// The picture's pixels, row by row from the top.
std::vector<std::vector<COLORREF>> pixelsOf(const StdPicture& pic) {
    PixelView v = GetBitmapPixels(pic.Handle());
    std::vector<std::vector<COLORREF>> rows(static_cast<std::size_t>(v.height));
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x) rows[static_cast<std::size_t>(y)].push_back(v.at(x, y));
    return rows;
}

std::string loadError(const std::string& path) {
    try {
        StdPicture::Load(path);
    } catch (const PictureLoadError& e) {
        return e.what();
    }
    return "";
}

Bytes masks32() {
    Bytes m;
    put32(m, 0x000000FF);  // red in the first byte
    put32(m, 0x0000FF00);
    put32(m, 0x00FF0000);
    return m;
}

Bytes rgb555() {
    Bytes p;
    for (std::uint32_t v : {0x7C00u, 0x03E0u, 0x0010u, 0u}) put16(p, v);
    return p;
}

// A BMP with the old 12-byte header: 2 x 1, one bit, a palette of 3-byte entries.
Bytes coreHeader() {
    Bytes b{'B', 'M'};
    for (std::uint32_t v : {14u + 12 + 6 + 4, 0u, 14u + 12 + 6, 12u}) put32(b, v);
    for (std::uint32_t v : {2u, 1u, 1u, 1u}) put16(b, v);  // width, height, planes, bits
    b.insert(b.end(), {0xFF, 0, 0, 0, 0xFF, 0});           // blue, green
    b.insert(b.end(), {0x40, 0, 0, 0});                    // pixels 0, 1
    return b;
}

}  // namespace

// Each layout the reader knows, with the rows it must give (top row first).
TEST(StdPicture, BmpLayouts) {
    const COLORREF a = RGB(1, 2, 3), b = RGB(200, 100, 50);
    const struct {
        const char* name;
        Bytes file;
        std::vector<std::vector<COLORREF>> rows;
    } cases[] = {
        // 24 bits: rows bottom up, padded to four bytes.
        {"rgb24.bmp",
         bmp(3, 2, 24, {}, {0xFF, 0xFF, 0xFF, 0, 0, 0, 0x1E, 0x14, 0x0A, 0, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0}),
         {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}, {RGB(255, 255, 255), RGB(0, 0, 0), RGB(10, 20, 30)}}},
        // 1 bit: from the high end of each byte.
        {"mono.bmp", bmp(10, 2, 1, {3, 2, 1, 0, 50, 100, 200, 0}, {0x5F, 0x00, 0, 0, 0xA0, 0xC0, 0, 0}),
         {{b, a, b, a, a, a, a, a, b, b}, {a, b, a, b, b, b, b, b, a, a}}},
        // 4 bits with a palette of three.
        {"nibbles.bmp", bmp(3, 1, 4, {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0}, {0x20, 0x10, 0, 0}, 0, 3),
         {{RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 255, 0)}}},
        // 8 bits top down (negative height); index 9 is past the palette.
        {"topdown.bmp",
         bmp(2, -2, 8, {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0, 0x70, 0x80, 0x90, 0, 0xA0, 0xB0, 0xC0, 0}, {3, 1, 0, 0, 0, 9, 0, 0}, 0, 4),
         {{RGB(0xC0, 0xB0, 0xA0), RGB(0x60, 0x50, 0x40)}, {RGB(0x30, 0x20, 0x10), RGB(0, 0, 0)}}},
        // 32 bits ignore the fourth byte; colour masks place the channels.
        {"rgb32.bmp", bmp(2, 1, 32, {}, {10, 20, 30, 0x80, 40, 50, 60, 0xFF}), {{RGB(30, 20, 10), RGB(60, 50, 40)}}},
        {"masks32.bmp", bmp(1, 1, 32, masks32(), {0x11, 0x22, 0x33, 0}, 3), {{RGB(0x11, 0x22, 0x33)}}},
        // 16 bits without masks are 5-5-5, widened to 0..255.
        {"rgb555.bmp", bmp(3, 1, 16, {}, rgb555()), {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 132)}}},
        {"core.bmp", coreHeader(), {{RGB(0, 0, 255), RGB(0, 255, 0)}}},
    };
    for (const auto& c : cases) {
        auto pic = StdPicture::Load(writeFile(c.name, c.file));
        EXPECT_EQ(pixelsOf(*pic), c.rows) << c.name;
        EXPECT_EQ(pic->PixelHeight(), static_cast<int>(c.rows.size())) << c.name;
    }
}

TEST(StdPicture, PngKeepsItsColours) {
    std::vector<COLORREF> px = {RGB(255, 0, 0), RGB(1, 2, 3), RGB(0, 0, 255), RGB(236, 233, 216), RGB(0, 0, 0), RGB(255, 255, 255)};
    std::string path = testFile("colours.png");
    ASSERT_TRUE(WritePng(path, PixelView{px.data(), 3, 2, false}));
    auto pic = StdPicture::Load(path);
    std::vector<std::vector<COLORREF>> expected = {{px[0], px[1], px[2]}, {px[3], px[4], px[5]}};
    EXPECT_EQ(pixelsOf(*pic), expected);
    EXPECT_EQ(pic->Path(), path);
    EXPECT_EQ(pic->Type(), 1);
}

TEST(StdPicture, SizeIsInHimetricRoundedHalvesToEven) {
    struct Case {
        int px;
        std::int32_t himetric;
    };
    for (Case c : {Case{1, 26}, Case{16, 423}, Case{32, 847}, Case{96, 2540},
                   Case{12, 318},    // 317.5
                   Case{36, 952}}) {  // 952.5
        auto pic = StdPicture::FromPixels(c.px, 2, std::vector<COLORREF>(static_cast<std::size_t>(c.px) * 2));
        EXPECT_EQ(pic->Width(), c.himetric) << c.px;
        EXPECT_EQ(pic->Height(), 53);
    }
    std::vector<COLORREF> px(16 * 16, RGB(9, 9, 9));
    std::string path = testFile("icon16.png");
    ASSERT_TRUE(WritePng(path, PixelView{px.data(), 16, 16, false}));
    auto icon = StdPicture::Load(path);
    EXPECT_EQ(icon->Width(), 423);
    EXPECT_EQ(icon->Height(), 423);
}

TEST(StdPicture, ReleasesItsBitmapWithTheLastHolder) {
    std::size_t before = LiveGdiObjectCount();
    {
        auto pic = StdPicture::Load(writeFile("release.bmp", bmp(1, 1, 24, {}, {1, 2, 3, 0})));
        EXPECT_EQ(LiveGdiObjectCount(), before + 1);
        StdPicturePtr holder = pic;
        pic.reset();
        EXPECT_EQ(LiveGdiObjectCount(), before + 1);
        BITMAP bm{};
        ASSERT_EQ(GetObjectA(holder->Handle(), sizeof bm, &bm), static_cast<int>(sizeof bm));
        EXPECT_EQ(bm.bmWidth, 1);
    }
    EXPECT_EQ(LiveGdiObjectCount(), before);
}

TEST(StdPicture, UnreadableFilesNameTheFile) {
    std::size_t before = LiveGdiObjectCount();
    Bytes good = bmp(4, 4, 24, {}, Bytes(48, 0));
    Bytes truncated(good.begin(), good.end() - 1);
    Bytes rle = bmp(4, 4, 8, Bytes(8, 0), Bytes(16, 0), 1, 2);
    Bytes noWidth = bmp(0, 4, 24, {}, Bytes(48, 0));
    Bytes deep = bmp(1, 1, 64, {}, Bytes(8, 0));
    Bytes badHeader = good;
    badHeader[14] = 20;  // header size 20
    Bytes shortPng = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
    Bytes text = {'h', 'e', 'l', 'l', 'o'};
    for (auto& [name, bytes] : std::vector<std::pair<std::string, Bytes>>{
             {"truncated.bmp", truncated}, {"rle.bmp", rle}, {"nowidth.bmp", noWidth}, {"deep.bmp", deep},
             {"badheader.bmp", badHeader}, {"short.png", shortPng}, {"text.bmp", text}, {"empty.bmp", {}}}) {
        std::string path = writeFile(name, bytes);
        std::string error = loadError(path);
        EXPECT_NE(error.find(path), std::string::npos) << name << ": " << error;
    }
    std::string missing = testFile("no such picture.bmp");
    std::filesystem::remove(missing);
    EXPECT_NE(loadError(missing).find("no such picture.bmp"), std::string::npos);
    EXPECT_EQ(LiveGdiObjectCount(), before);
}

TEST(StdPicture, FromPixelsChecksTheCount) {
    EXPECT_THROW(StdPicture::FromPixels(2, 2, std::vector<COLORREF>(3)), PictureLoadError);
    EXPECT_THROW(StdPicture::FromPixels(0, 2, {}), PictureLoadError);
    auto pic = StdPicture::FromPixels(1, 1, {RGB(4, 5, 6)});
    EXPECT_EQ(pixelsOf(*pic)[0][0], RGB(4, 5, 6));
    EXPECT_TRUE(pic->Path().empty());
}
