// Resolved fonts: a LOGFONT mapped to one face file at one pixel size and style, with the
// text metrics the platform reports for it and a cache of its rendered glyphs.
//
// Strings reach us as single bytes in the system ANSI code page, so a face caches its
// glyphs by byte: 256 slots, each rendered on first use.
#pragma once

#include <ulmaro/platform/win32.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct FT_FaceRec_;

namespace ulmaro::platform::detail {

// One glyph as a mask (one byte per pixel, 1 = ink), placed relative to the pen position
// on the baseline.
struct Glyph {
    int left = 0;  // x of the first column, from the pen position
    int top = 0;   // y of the first row, from the baseline (negative: above it)
    int width = 0;
    int height = 0;
    int advance = 0;
    std::vector<std::uint8_t> ink;
};

// Where the underline and the strike-out line go, in rows from the top of the cell.
struct LineMetrics {
    int underlineTop = 0;
    int underlineThickness = 1;
    int strikeoutTop = 0;
    int strikeoutThickness = 1;
};

struct FtLibrary;

class FontFace {
public:
    // The face for a logical font; faces that resolve alike are shared. Null when no font
    // file can be opened at all.
    static std::shared_ptr<FontFace> forLogFont(const LOGFONTA& lf);

    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;
    ~FontFace();

    // tmItalic, tmUnderlined and tmStruckOut are left zero: they belong to the logical font.
    const TEXTMETRICA& metrics() const { return tm_; }
    const LineMetrics& lines() const { return lines_; }
    // The typeface name GetTextFace reports.
    const std::string& name() const { return name_; }
    // Hand-drawn fonts cannot be turned: they are drawn upright whatever the escapement.
    bool raster() const { return bitmap_; }

    const Glyph& glyph(unsigned char ch);
    int advance(unsigned char ch) { return glyph(ch).advance; }
    int width(std::string_view s);

    struct Source;  // what was chosen to draw with: file, strike or outline, simulations

private:
    FontFace() = default;
    bool open(const Source& src);
    void computeMetrics(const Source& src);
    unsigned glyphIndex(unsigned char ch) const;
    Glyph render(unsigned char ch);

    std::shared_ptr<FtLibrary> lib_;
    FT_FaceRec_* face_ = nullptr;
    std::string name_;
    TEXTMETRICA tm_{};
    LineMetrics lines_;
    enum class Map { Bytes, Unicode, Symbol, PrivateArea } map_ = Map::Unicode;
    bool bitmap_ = false;         // drawn from a bitmap strike
    int scale_ = 1;               // the strike drawn this many times its size
    bool outlinesOnly_ = false;   // embedded bitmaps left out
    bool emboldenSim_ = false;    // bold simulated: outlines grown, bitmaps drawn twice a pixel apart
    bool italicSim_ = false;      // slanted by shearing
    int turns_ = 0;               // outlines rasterised this many quarter turns counter-clockwise
    std::array<std::unique_ptr<Glyph>, 256> glyphs_;
};

// Quarter turns counter-clockwise for an escapement in tenths of a degree (rounded to the
// nearest quarter).
int quarterTurns(LONG escapement);

// Windows-1252 byte to Unicode code point (bytes without a character map to themselves).
unsigned ansiToUnicode(unsigned char ch);

}  // namespace ulmaro::platform::detail
