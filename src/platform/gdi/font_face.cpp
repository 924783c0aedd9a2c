// Face lookup, metrics and glyph rendering with FreeType.
//
// Face names map to the platform's own fonts as Debian's fonts-wine ships them; any other
// name falls back to DejaVu Sans (DejaVu Sans Mono for fixed pitch), found through
// fontconfig. Families that were drawn by hand at a few sizes (MS Sans Serif, Courier,
// System) use those bitmap strikes, scaled by whole pixels well above their largest size.
// Glyphs are rendered without anti-aliasing, so text is the same on every machine.
#include "font_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H
#include FT_WINFONTS_H

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

namespace ulmaro::platform::detail {

struct FtLibrary {
    FT_Library lib = nullptr;
    FtLibrary() {
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    ~FtLibrary() {
        if (lib) FT_Done_FreeType(lib);
    }
    FtLibrary(const FtLibrary&) = delete;
    FtLibrary& operator=(const FtLibrary&) = delete;
};

// What a logical font resolved to.
struct FontFace::Source {
    std::string path;
    int faceIndex = 0;
    int strike = -1;          // bitmap strike of a bitmap-only sfnt file
    bool fon = false;         // a strike of a .fon file (one face per strike)
    bool cellHeight = false;  // outline size: `pixels` is the cell height, not the em height
    int pixels = 0;
    std::string name;
    bool symbol = false;
    bool bold = false;
    bool italic = false;
    bool turned = false;      // drawn at an angle
    int turns = 0;            // quarter turns counter-clockwise
    int scale = 1;            // a strike drawn this many times its size
};

namespace {

constexpr const char* kPlatformFonts = "/usr/share/wine/fonts/";
constexpr int kDefaultCellHeight = 16;     // lfHeight 0
constexpr int kMaxPixels = 1024;           // larger requests are drawn at this size
constexpr FT_Fixed kItalicShear = 0x4000;  // simulated italics lean a quarter pixel per row, as hand-drawn ones do
// Quarter turns counter-clockwise in y-up coordinates.
const FT_Matrix kTurn[4] = {
    {0x10000, 0, 0, 0x10000}, {0, -0x10000, 0x10000, 0}, {-0x10000, 0, 0, -0x10000}, {0, 0x10000, -0x10000, 0}};

constexpr BYTE kPitchVariable = TMPF_FIXED_PITCH;  // the bit means variable pitch

std::shared_ptr<FtLibrary> library() {
    static std::shared_ptr<FtLibrary> lib = [] {
        auto l = std::make_shared<FtLibrary>();
        return l->lib ? l : nullptr;
    }();
    return lib;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string platformFont(const char* file) { return std::string(kPlatformFonts) + file; }

// ---- Families -------------------------------------------------------------------------------

struct OutlineFiles {
    std::string regular, bold;
};

struct Family {
    const char* name;
    const char* outline;      // file in the platform font folder; null: a DejaVu stand-in
    const char* outlineBold;  // null: emboldened
    const char* strikes;      // hand-drawn bitmap sizes, or null
    bool symbol;
    bool monoStandIn;  // DejaVu stand-in: the monospaced one
    bool boldDesign;   // the strikes are bold already
};

// Tahoma is the scalable successor of MS Sans Serif, drawn to the same proportions, so it
// stands in where sserife.fon cannot be read.
const Family kFamilies[] = {
    {"MS Sans Serif", "tahoma.ttf", "tahomabd.ttf", "sserife.fon", false, false, false},
    {"Tahoma", "tahoma.ttf", "tahomabd.ttf", nullptr, false, false, false},
    {"Courier", nullptr, nullptr, "coure.fon", false, true, false},
    {"System", nullptr, nullptr, "vgasys.fon", false, false, true},
    {"Marlett", "marlett.ttf", nullptr, nullptr, true, false, false},
    {"Webdings", "webdings.ttf", nullptr, nullptr, true, false, false},
    {"Wingdings", "wingding.ttf", nullptr, nullptr, true, false, false},
    {"Symbol", "symbol.ttf", nullptr, nullptr, true, false, false},
};

// Names the platform substitutes for one of the families above.
const Family* findFamily(const std::string& name) {
    std::string n = lower(name);
    if (n == "ms shell dlg") n = "ms sans serif";
    for (const Family& f : kFamilies)
        if (lower(f.name) == n) return &f;
    return nullptr;
}

// A font file of a fontconfig family and style, or empty when fontconfig offers only some
// other family for it.
std::string fontconfigFile(const char* family, bool bold) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddInteger(pat, FC_WIDTH, FC_WIDTH_NORMAL);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    std::string path;
    if (match) {
        FcChar8* file = nullptr;
        FcChar8* fam = nullptr;
        int weight = 0, slant = 0;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch &&
            lower(reinterpret_cast<const char*>(fam)) == lower(family) &&
            FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch &&
            FcPatternGetInteger(match, FC_SLANT, 0, &slant) == FcResultMatch &&
            (weight >= FC_WEIGHT_DEMIBOLD) == bold && slant == FC_SLANT_ROMAN)
            path = reinterpret_cast<const char*>(file);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return path;
}

// The fallback faces, looked up once. Only the upright faces are used (italics are slanted
// by shearing), so text looks the same whether or not the oblique faces are installed.
// Fontconfig is shut down afterwards: nothing else here uses it, and it would otherwise
// hold its configuration for the life of the process.
const OutlineFiles& dejaVu(bool mono) {
    static const auto files = [] {
        std::array<OutlineFiles, 2> out;
        if (FcInit() != FcTrue) return out;
        const char* families[2] = {"DejaVu Sans", "DejaVu Sans Mono"};
        for (int i = 0; i < 2; ++i)
            out[static_cast<std::size_t>(i)] =
                OutlineFiles{fontconfigFile(families[i], false), fontconfigFile(families[i], true)};
        FcFini();
        return out;
    }();
    return files[mono ? 1 : 0];
}

// ---- Bitmap strikes -----------------------------------------------------------------------------

struct Strike {
    int faceIndex = 0;
    int sizeIndex = -1;  // strike of a bitmap-only sfnt; -1 for a .fon face
    int cell = 0;        // cell height in pixels
    int em = 0;          // cell height less internal leading
};

std::vector<Strike> readStrikes(FT_Library lib, const std::string& path) {
    std::vector<Strike> out;
    FT_Face probe = nullptr;
    if (FT_New_Face(lib, path.c_str(), -1, &probe) != 0) return out;
    FT_Long faces = probe->num_faces;
    FT_Done_Face(probe);
    for (FT_Long i = 0; i < faces; ++i) {
        FT_Face f = nullptr;
        if (FT_New_Face(lib, path.c_str(), i, &f) != 0) continue;
        FT_WinFNT_HeaderRec h;
        if (FT_Get_WinFNT_Header(f, &h) == 0) {
            out.push_back({static_cast<int>(i), -1, h.pixel_height, h.pixel_height - h.internal_leading});
        } else if (!FT_IS_SCALABLE(f)) {
            for (int s = 0; s < f->num_fixed_sizes; ++s) {
                if (FT_Select_Size(f, s) != 0) continue;
                int asc = static_cast<int>((f->size->metrics.ascender + 32) >> 6);
                int desc = static_cast<int>((-f->size->metrics.descender + 32) >> 6);
                int ppem = static_cast<int>((f->size->metrics.y_ppem));
                out.push_back({static_cast<int>(i), s, asc + desc, ppem});
            }
        }
        FT_Done_Face(f);
    }
    return out;
}

const std::vector<Strike>& strikesOf(FT_Library lib, const std::string& path) {
    static std::map<std::string, std::vector<Strike>> known;
    auto it = known.find(path);
    if (it == known.end()) it = known.emplace(path, readStrikes(lib, path)).first;
    return it->second;
}

// The strike for a requested size and the whole factor it is drawn at. Up to about twice its
// largest strike, a hand-drawn font is drawn at the largest strike not above the request
// (else at its smallest), so it is never drawn larger than asked while a smaller strike
// exists. Past that, the largest strike is drawn scaled by whole pixels: by the request's
// cell height with a quarter of the strike's height to spare, divided by that height. An em
// height counts with the largest strike's internal leading added. (Recorded for strikes of
// 11, 13, 16 and 20 pixels: scaling starts one pixel later than that rule for the factor 2.)
struct StrikeChoice {
    Strike strike;
    int scale = 1;
};

std::optional<StrikeChoice> pickStrike(const std::vector<Strike>& strikes, bool byEm, int pixels) {
    const Strike* below = nullptr;
    const Strike* smallest = nullptr;
    const Strike* largest = nullptr;
    for (const Strike& s : strikes) {
        const int v = byEm ? s.em : s.cell;
        if (v <= pixels && (!below || v > (byEm ? below->em : below->cell))) below = &s;
        if (!smallest || v < (byEm ? smallest->em : smallest->cell)) smallest = &s;
        if (!largest || s.cell > largest->cell) largest = &s;
    }
    if (!smallest) return std::nullopt;
    const int cell = byEm ? pixels + (largest->cell - largest->em) : pixels;
    const int spare = largest->cell / 4;
    if (largest->cell > 0 && cell > 2 * largest->cell - spare) return StrikeChoice{*largest, (cell + spare) / largest->cell};
    return StrikeChoice{below ? *below : *smallest, 1};
}

std::string trimmedFaceName(const LOGFONTA& lf) {
    std::string name(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(name.begin());
    return name;
}

// How the logical font is drawn: which file, strike or outline size, and what is simulated.
FontFace::Source chooseSource(FT_Library lib, const LOGFONTA& lf) {
    FontFace::Source src;
    src.bold = lf.lfWeight >= 600;
    src.italic = lf.lfItalic != 0;
    src.turned = lf.lfEscapement % 3600 != 0;
    src.turns = quarterTurns(lf.lfEscapement);
    bool byEm = lf.lfHeight < 0;
    int pixels =
        lf.lfHeight == 0 ? kDefaultCellHeight : static_cast<int>(std::min<long>(std::labs(lf.lfHeight), kMaxPixels));
    src.cellHeight = !byEm;
    src.pixels = pixels;

    const Family* fam = findFamily(trimmedFaceName(lf));
    if (fam && fam->strikes) {
        std::string path = platformFont(fam->strikes);
        // Asked for no particular height, a hand-drawn face is drawn at its smallest strike.
        if (auto choice = pickStrike(strikesOf(lib, path), byEm, lf.lfHeight == 0 ? 0 : pixels)) {
            src.path = path;
            src.faceIndex = choice->strike.faceIndex;
            src.strike = choice->strike.sizeIndex;
            src.fon = choice->strike.sizeIndex < 0;
            src.scale = choice->scale;
            src.name = fam->name;
            if (fam->boldDesign) src.bold = false;  // nothing to simulate
            return src;
        }
    }
    OutlineFiles files;
    if (fam && fam->outline) {
        files.regular = platformFont(fam->outline);
        if (fam->outlineBold) files.bold = platformFont(fam->outlineBold);
        src.name = fam->name;
        src.symbol = fam->symbol;
    } else {
        bool mono = fam ? fam->monoStandIn : (lf.lfPitchAndFamily & 3) == FIXED_PITCH;
        files = dejaVu(mono);
        src.name = fam ? fam->name : (mono ? "DejaVu Sans Mono" : "DejaVu Sans");
    }
    // Prefer a bold face designed as such; simulate what is missing.
    src.path = files.regular;
    if (src.bold && !files.bold.empty()) {
        src.path = files.bold;
        src.bold = false;
    }
    return src;
}

// When the chosen file cannot be opened (a package missing), draw in DejaVu Sans.
FontFace::Source lastResort(const FontFace::Source& wanted) {
    FontFace::Source src = wanted;
    src.path = dejaVu(false).regular;
    if (src.path.empty()) src.path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    src.faceIndex = 0;
    src.strike = -1;
    src.fon = false;
    src.symbol = false;
    src.name = "DejaVu Sans";
    return src;
}

long roundScaled(long units, double scale) { return std::lround(static_cast<double>(units) * scale); }

// The family bits of tmPitchAndFamily, read from the face's PANOSE classification: fixed
// proportions are modern, script and decorative kinds are themselves, serifed faces roman
// and sans-serif ones swiss. Faces that leave it unclassified (picture fonts) have none.
BYTE familyOf(FT_Face f) {
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    if (!os2) return FF_DONTCARE;
    const FT_Byte kind = os2->panose[0], serif = os2->panose[1], proportion = os2->panose[3];
    if (proportion == 9) return FF_MODERN;
    if (kind == 3) return FF_SCRIPT;
    if (kind == 4) return FF_DECORATIVE;
    if (serif >= 2 && serif <= 10) return FF_ROMAN;
    if (serif >= 11 && serif <= 13) return FF_SWISS;
    return FF_DONTCARE;
}

std::map<std::string, std::shared_ptr<FontFace>>& faceCache() {
    static std::map<std::string, std::shared_ptr<FontFace>> cache;
    return cache;
}

}  // namespace

unsigned ansiToUnicode(unsigned char ch) {
    static const unsigned short k80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return (ch >= 0x80 && ch < 0xA0) ? k80[ch - 0x80] : ch;
}

std::shared_ptr<FontFace> FontFace::forLogFont(const LOGFONTA& lf) {
    auto lib = library();
    if (!lib) return nullptr;
    std::string key = lower(trimmedFaceName(lf)) + '|' + std::to_string(lf.lfHeight) + '|' +
                      std::to_string(lf.lfWeight >= 600) + std::to_string(lf.lfItalic != 0) +
                      std::to_string((lf.lfPitchAndFamily & 3) == FIXED_PITCH) +
                      std::to_string(lf.lfEscapement % 3600 != 0) + std::to_string(quarterTurns(lf.lfEscapement));
    auto& cache = faceCache();
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    std::shared_ptr<FontFace> face(new FontFace());
    face->lib_ = lib;
    Source src = chooseSource(lib->lib, lf);
    if (!face->open(src)) {
        src = lastResort(src);
        if (!face->open(src)) return nullptr;
    }
    face->computeMetrics(src);

    // Keep faces for reuse (controls create the same font on every repaint), but let go of
    // those nobody holds once there are many.
    if (cache.size() >= 128) std::erase_if(cache, [](const auto& e) { return e.second.use_count() == 1; });
    cache.emplace(key, face);
    return face;
}

FontFace::~FontFace() {
    if (face_) FT_Done_Face(face_);
}

bool FontFace::open(const Source& src) {
    if (src.path.empty()) return false;
    if (face_) {
        FT_Done_Face(face_);
        face_ = nullptr;
    }
    FT_Face f = nullptr;
    if (FT_New_Face(lib_->lib, src.path.c_str(), src.faceIndex, &f) != 0) return false;
    face_ = f;
    bitmap_ = src.fon || src.strike >= 0;
    scale_ = bitmap_ ? src.scale : 1;
    // Turned and simulated italic text comes from the outlines: the bitmaps some outline
    // files carry for small sizes are drawn upright and unslanted only.
    outlinesOnly_ = (src.turned || src.italic) && !bitmap_;
    turns_ = bitmap_ ? 0 : src.turns;
    if (src.strike >= 0) {
        if (FT_Select_Size(f, src.strike) != 0) return false;
    } else if (!src.fon) {
        if (!FT_IS_SCALABLE(f)) return false;
        int em = src.pixels;
        if (src.cellHeight) {
            // A positive height asks for the cell: ascent plus descent.
            auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
            long cell = os2 ? os2->usWinAscent + os2->usWinDescent : f->ascender - f->descender;
            if (cell > 0)
                em = static_cast<int>(
                    std::lround(static_cast<double>(src.pixels) * f->units_per_EM / static_cast<double>(cell)));
        }
        // A bold file's bitmaps are drawn as they are, even where they only repeat the
        // regular file's (tahomabd.ttf at 13 and 16 pixels): the platform draws them so.
        if (FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(std::clamp(em, 1, kMaxPixels))) != 0) return false;
    }
    // Character maps: .fon strikes are indexed by the byte itself; symbol fonts keep their
    // characters in the private area at U+F000 + byte; text fonts by Unicode.
    map_ = Map::Unicode;
    if (bitmap_) {
        if (f->num_charmaps > 0) FT_Set_Charmap(f, f->charmaps[0]);
        map_ = Map::Bytes;
    } else if (src.symbol) {
        // A symbol face without a symbol map is still read at U+F000 + byte, where its
        // Unicode map has nothing: every character is the default glyph.
        map_ = FT_Select_Charmap(f, FT_ENCODING_MS_SYMBOL) == 0 ? Map::Symbol : Map::PrivateArea;
        if (map_ == Map::PrivateArea) FT_Select_Charmap(f, FT_ENCODING_UNICODE);
    } else {
        FT_Select_Charmap(f, FT_ENCODING_UNICODE);
    }
    emboldenSim_ = src.bold;
    italicSim_ = src.italic;
    name_ = src.name;
    for (auto& g : glyphs_) g.reset();
    return true;
}

void FontFace::computeMetrics(const Source& src) {
    FT_Face f = face_;
    TEXTMETRICA tm{};
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    FT_WinFNT_HeaderRec h;
    if (src.fon && FT_Get_WinFNT_Header(f, &h) == 0) {
        tm.tmHeight = h.pixel_height;
        tm.tmAscent = h.ascent;
        tm.tmDescent = h.pixel_height - h.ascent;
        tm.tmInternalLeading = h.internal_leading;
        tm.tmExternalLeading = h.external_leading;
        tm.tmAveCharWidth = h.avg_width;
        tm.tmMaxCharWidth = h.max_width;
        tm.tmWeight = h.weight;
        tm.tmFirstChar = h.first_char;
        tm.tmLastChar = h.last_char;
        tm.tmDefaultChar = static_cast<BYTE>(h.first_char + h.default_char);
        tm.tmBreakChar = static_cast<BYTE>(h.first_char + h.break_char);
        tm.tmPitchAndFamily = h.pitch_and_family;
        tm.tmCharSet = h.charset;
    } else if (bitmap_) {
        const FT_Size_Metrics& m = f->size->metrics;
        tm.tmAscent = static_cast<LONG>((m.ascender + 32) >> 6);
        tm.tmDescent = static_cast<LONG>((-m.descender + 32) >> 6);
        tm.tmHeight = tm.tmAscent + tm.tmDescent;
        tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - static_cast<LONG>(m.y_ppem));
        tm.tmAveCharWidth = f->available_sizes[src.strike].width;
        for (int c = 0x20; c < 0x100; ++c)
            tm.tmMaxCharWidth = std::max<LONG>(tm.tmMaxCharWidth, advance(static_cast<unsigned char>(c)) / scale_);
        auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
        tm.tmWeight = os2 ? os2->usWeightClass : FW_NORMAL;
        tm.tmFirstChar = 0x20;
        tm.tmLastChar = 0xFF;
        tm.tmDefaultChar = 0x80;
        tm.tmBreakChar = 0x20;
        tm.tmPitchAndFamily = static_cast<BYTE>(familyOf(f) | (FT_IS_FIXED_WIDTH(f) ? 0 : kPitchVariable));
        tm.tmCharSet = ANSI_CHARSET;
    } else {
        double ppem = static_cast<double>(f->size->metrics.y_ppem);
        double scale = ppem / f->units_per_EM;
        auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
        auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(f, FT_SFNT_HHEA));
        long winAsc = os2 ? os2->usWinAscent : f->ascender;
        long winDesc = os2 ? os2->usWinDescent : -f->descender;
        tm.tmAscent = roundScaled(winAsc, scale);
        tm.tmDescent = roundScaled(winDesc, scale);
        tm.tmHeight = tm.tmAscent + tm.tmDescent;
        // A face whose ascent and descent add up to less than its em has negative leading.
        tm.tmInternalLeading = tm.tmHeight - static_cast<LONG>(ppem);
        if (hhea) {
            long gap = hhea->Line_Gap - ((winAsc + winDesc) - (hhea->Ascender - hhea->Descender));
            tm.tmExternalLeading = std::max<LONG>(0, roundScaled(gap, scale));
        }
        // The widest character is taken as the width of the face's bounding box.
        tm.tmMaxCharWidth = roundScaled(f->bbox.xMax - f->bbox.xMin, scale);
        tm.tmAveCharWidth = os2 && os2->xAvgCharWidth > 0 ? roundScaled(os2->xAvgCharWidth, scale) : advance('x');
        tm.tmWeight = os2 ? os2->usWeightClass : FW_NORMAL;
        // The break character is the face's first character (symbol faces number theirs
        // from U+F000), and the default character the one before it.
        tm.tmFirstChar = 0x1E;
        tm.tmLastChar = 0xFF;
        tm.tmBreakChar =
            static_cast<BYTE>(os2 && os2->usFirstCharIndex != 0xFFFF ? os2->usFirstCharIndex & 0xFF : 0x20);
        tm.tmDefaultChar = static_cast<BYTE>(tm.tmBreakChar - 1);
        tm.tmPitchAndFamily =
            static_cast<BYTE>(familyOf(f) | TMPF_VECTOR | TMPF_TRUETYPE | (FT_IS_FIXED_WIDTH(f) ? 0 : kPitchVariable));
        tm.tmCharSet = src.symbol ? SYMBOL_CHARSET : ANSI_CHARSET;

        // Underline and strike-out where the font's tables put them: each position is the
        // line's centre (the underline's below the baseline), so the line's top is half its
        // thickness above it.
        auto* post = static_cast<TT_Postscript*>(FT_Get_Sfnt_Table(f, FT_SFNT_POST));
        const long ulPos = post ? post->underlinePosition : -(tm.tmDescent > 1);
        const long ulSize = post ? post->underlineThickness : 0;
        const int ulThick = std::max(1, static_cast<int>(roundScaled(ulSize, scale)));
        lines_.underlineThickness = ulThick;
        lines_.underlineTop = static_cast<int>(tm.tmAscent - roundScaled(ulPos, scale) - ulThick / 2);
        if (os2 && os2->yStrikeoutSize > 0) {
            lines_.strikeoutThickness = std::max(1, static_cast<int>(roundScaled(os2->yStrikeoutSize, scale)));
            lines_.strikeoutTop = static_cast<int>(tm.tmAscent - roundScaled(os2->yStrikeoutPosition, scale) -
                                                   lines_.strikeoutThickness / 2);
        } else {
            lines_.strikeoutThickness = ulThick;
            lines_.strikeoutTop = static_cast<int>(tm.tmAscent - tm.tmAscent / 3);
        }
    }
    if (bitmap_) {
        // Hand-drawn fonts carry no line positions: the underline takes the first row below
        // the baseline, the strike-out line sits half the ascent above it. A scaled strike
        // scales the strike's lines, each moved up by half the factor.
        const int ascent = static_cast<int>(tm.tmAscent), height = static_cast<int>(tm.tmHeight);
        lines_.underlineThickness = lines_.strikeoutThickness = (1 + (height >= 26)) * scale_;
        lines_.underlineTop = ascent * scale_ - scale_ / 2;
        lines_.strikeoutTop = (ascent - ascent / 2) * scale_ - scale_ / 2;
        // A strike drawn n times its size has n times its heights and widths.
        for (LONG* v : {&tm.tmHeight, &tm.tmAscent, &tm.tmDescent, &tm.tmInternalLeading, &tm.tmExternalLeading,
                        &tm.tmAveCharWidth, &tm.tmMaxCharWidth})
            *v *= scale_;
    }
    lines_.underlineTop =
        std::clamp<int>(lines_.underlineTop, 0, std::max<int>(0, tm.tmHeight - lines_.underlineThickness));
    lines_.strikeoutTop =
        std::clamp<int>(lines_.strikeoutTop, 0, std::max<int>(0, tm.tmHeight - lines_.strikeoutThickness));

    if (emboldenSim_) {
        // Simulated bold makes every character a pixel wider. A scaled strike reports the
        // widths of the emboldened strike, scaled (each drawn character is still one pixel
        // wider than the scaled one).
        tm.tmWeight = FW_BOLD;
        tm.tmAveCharWidth += scale_;
        tm.tmMaxCharWidth += scale_;
        if (bitmap_) tm.tmOverhang = 1;
    }
    tm_ = tm;
    // Glyphs measured above were drawn before the cell they are clipped to was known.
    for (auto& g : glyphs_) g.reset();
}

unsigned FontFace::glyphIndex(unsigned char ch) const {
    switch (map_) {
        case Map::Bytes:
            return FT_Get_Char_Index(face_, ch);
        case Map::Symbol: {
            FT_UInt gi = FT_Get_Char_Index(face_, 0xF000u | ch);
            return gi ? gi : FT_Get_Char_Index(face_, ch);
        }
        case Map::PrivateArea:
            return FT_Get_Char_Index(face_, 0xF000u | ch);
        case Map::Unicode:
            break;
    }
    return FT_Get_Char_Index(face_, ansiToUnicode(ch));
}

const Glyph& FontFace::glyph(unsigned char ch) {
    auto& slot = glyphs_[ch];
    if (!slot) slot = std::make_unique<Glyph>(render(ch));
    return *slot;
}

int FontFace::width(std::string_view s) {
    int w = 0;
    for (char c : s) w += advance(static_cast<unsigned char>(c));
    return w;
}

namespace {

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Slants a bitmap glyph: each row moves right by a quarter of its height above the
// baseline, the way the platform slants its hand-drawn fonts.
void shearRows(Glyph& g) {
    if (g.width == 0 || g.height == 0) return;
    auto shiftOf = [&](int row) { return floorDiv(-(g.top + row) - 1 + 2, 4); };
    int lo = std::min(shiftOf(0), shiftOf(g.height - 1));
    int hi = std::max(shiftOf(0), shiftOf(g.height - 1));
    int w = g.width + hi - lo;
    std::vector<std::uint8_t> ink(static_cast<std::size_t>(w) * g.height, 0);
    for (int y = 0; y < g.height; ++y) {
        int dx = shiftOf(y) - lo;
        for (int x = 0; x < g.width; ++x)
            ink[static_cast<std::size_t>(y) * w + x + dx] = g.ink[static_cast<std::size_t>(y) * g.width + x];
    }
    g.ink = std::move(ink);
    g.left += lo;
    g.width = w;
}

// Turns a mask rasterised `turns` quarter turns counter-clockwise back upright: each pixel
// square goes back through the inverse turn, and the mask's corner is found anew.
void turnBack(Glyph& g, int turns) {
    // Pixel (x, y) of the turned mask is the square with corner (left + x, -(top + y)) in
    // y-up coordinates; turning its centre back gives the upright square.
    auto upright = [turns](double cx, double cy) {
        switch (turns) {
            case 1:
                return std::pair{cy, -cx};
            case 2:
                return std::pair{-cx, -cy};
            default:
                return std::pair{-cy, cx};
        }
    };
    if (g.width == 0 || g.height == 0) return;
    int minX = INT_MAX, maxY = INT_MIN;
    for (int corner = 0; corner < 4; ++corner) {
        const auto [ux, uy] =
            upright(g.left + (corner & 1 ? g.width - 0.5 : 0.5), -(g.top + (corner & 2 ? g.height - 0.5 : 0.5)));
        minX = std::min(minX, static_cast<int>(std::floor(ux)));
        maxY = std::max(maxY, static_cast<int>(std::floor(uy)));
    }
    Glyph out;
    out.advance = g.advance;
    out.left = minX;
    out.top = -(maxY + 1);
    out.width = turns == 2 ? g.width : g.height;
    out.height = turns == 2 ? g.height : g.width;
    out.ink.assign(g.ink.size(), 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const auto [ux, uy] = upright(g.left + x + 0.5, -(g.top + y + 0.5));
            const int u = static_cast<int>(std::floor(ux)) - minX, v = maxY - static_cast<int>(std::floor(uy));
            out.ink[static_cast<std::size_t>(v) * out.width + u] = g.ink[static_cast<std::size_t>(y) * g.width + x];
        }
    g = std::move(out);
}

void copyBitmap(const FT_Bitmap& b, Glyph& g) {
    g.width = static_cast<int>(b.width);
    g.height = static_cast<int>(b.rows);
    g.ink.assign(static_cast<std::size_t>(g.width) * g.height, 0);
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* row = b.buffer + static_cast<std::ptrdiff_t>(y) * b.pitch;
        for (int x = 0; x < g.width; ++x) {
            bool on = b.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x >> 3] & (0x80 >> (x & 7))) != 0 : row[x] >= 128;
            g.ink[static_cast<std::size_t>(y) * g.width + x] = on ? 1 : 0;
        }
    }
}

// Rasterises an outline, two-level, into the whole pixels its control box touches.
// FreeType's own glyph bitmap rounds that box to pixel centres, and the rasteriser then
// pulls a dropout pixel (the thin tip of a corner) back inside it; the platform's box is
// whole pixels, so such a pixel lands where the dropout rule puts it, a row or column out.
bool rasterise(FT_Library lib, FT_Outline& outline, Glyph& g) {
    FT_BBox box;
    FT_Outline_Get_CBox(&outline, &box);
    const FT_Pos left = box.xMin >> 6, bottom = box.yMin >> 6, right = (box.xMax + 63) >> 6,
                 top = (box.yMax + 63) >> 6;
    g.left = static_cast<int>(left);
    g.top = static_cast<int>(-top);
    if (right <= left || top <= bottom) return true;
    FT_Bitmap b{};
    b.width = static_cast<unsigned>(right - left);
    b.rows = static_cast<unsigned>(top - bottom);
    b.pitch = static_cast<int>((b.width + 7) / 8);
    b.pixel_mode = FT_PIXEL_MODE_MONO;
    b.num_grays = 2;
    std::vector<unsigned char> bits(static_cast<std::size_t>(b.pitch) * b.rows, 0);
    b.buffer = bits.data();
    FT_Outline_Translate(&outline, -left * 64, -bottom * 64);
    if (FT_Outline_Get_Bitmap(lib, &outline, &b) != 0) return false;
    copyBitmap(b, g);
    return true;
}

// A strike glyph drawn `n` times its size: every pixel becomes an n x n block.
void enlarge(Glyph& g, int n) {
    std::vector<std::uint8_t> ink(g.ink.size() * n * n);
    const int w = g.width * n;
    for (int y = 0; y < g.height * n; ++y)
        for (int x = 0; x < w; ++x) ink[static_cast<std::size_t>(y) * w + x] = g.ink[static_cast<std::size_t>(y / n) * g.width + x / n];
    g.ink = std::move(ink);
    g.left *= n;
    g.top *= n;
    g.width = w;
    g.height *= n;
    g.advance *= n;
}

// Drops the rows of a glyph above `ascent` or at and below `descent` from the baseline.
void clipToCell(Glyph& g, int ascent, int descent) {
    const int first = std::clamp(-ascent - g.top, 0, g.height);
    const int last = std::clamp(descent - g.top, first, g.height);
    if (first == 0 && last == g.height) return;
    g.ink.erase(g.ink.begin() + static_cast<std::ptrdiff_t>(last) * g.width, g.ink.end());
    g.ink.erase(g.ink.begin(), g.ink.begin() + static_cast<std::ptrdiff_t>(first) * g.width);
    g.top += first;
    g.height = last - first;
}

// The platform's simulated bold: the glyph drawn twice, the second time one pixel right.
void embolden(Glyph& g) {
    g.advance += 1;
    if (g.width == 0 || g.height == 0) return;
    int w = g.width + 1;
    std::vector<std::uint8_t> ink(static_cast<std::size_t>(w) * g.height, 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.ink[static_cast<std::size_t>(y) * g.width + x]) {
                ink[static_cast<std::size_t>(y) * w + x] = 1;
                ink[static_cast<std::size_t>(y) * w + x + 1] = 1;
            }
    g.ink = std::move(ink);
    g.width = w;
}

}  // namespace

Glyph FontFace::render(unsigned char ch) {
    Glyph g;
    FT_Int32 flags = bitmap_ ? FT_LOAD_DEFAULT : FT_LOAD_TARGET_MONO | (outlinesOnly_ ? FT_LOAD_NO_BITMAP : 0);
    const unsigned index = glyphIndex(ch);
    // Turned text is drawn with two-level outlines but advances as the outline does when
    // hinted for smooth drawing, which is often a pixel narrower or wider.
    std::optional<int> turnedAdvance;
    if (outlinesOnly_ && turns_ != 0 && FT_Load_Glyph(face_, index, FT_LOAD_NO_BITMAP) == 0)
        turnedAdvance = static_cast<int>((face_->glyph->advance.x + 32) >> 6);
    if (FT_Load_Glyph(face_, index, flags) != 0 && FT_Load_Glyph(face_, 0, flags) != 0) return g;
    FT_GlyphSlot slot = face_->glyph;
    g.advance = turnedAdvance.value_or(static_cast<int>((slot->advance.x + 32) >> 6));
    const bool outline = slot->format == FT_GLYPH_FORMAT_OUTLINE;
    if (outline) {
        if (emboldenSim_) {
            const FT_Pos strength = FT_MulFix(face_->units_per_EM, face_->size->metrics.y_scale) / 24;
            FT_Outline_EmboldenXY(&slot->outline, strength, strength);
            g.advance += 1;
        }
        if (italicSim_) {
            FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
        // Turned text is rasterised turned, which sets a few pixels differently from
        // turning the upright glyph; the mask is turned back to text space below.
        if (turns_ != 0) FT_Outline_Transform(&slot->outline, &kTurn[turns_]);
        if (!rasterise(lib_->lib, slot->outline, g)) return g;
    } else {
        copyBitmap(slot->bitmap, g);
        g.left = slot->bitmap_left;
        g.top = -slot->bitmap_top;
        if (scale_ > 1) enlarge(g, scale_);
    }
    // Hand-drawn glyphs (strikes, and the bitmaps some outline fonts carry for small
    // sizes) are slanted row by row.
    if (italicSim_ && !outline) shearRows(g);
    if (emboldenSim_ && !outline) embolden(g);
    if (outline && turns_ != 0) turnBack(g, turns_);
    // An outline glyph is drawn only inside its character cell: whatever reaches above the
    // ascent or below the descent (the corner tips of emboldened arrows, say) is cut off.
    if (outline) clipToCell(g, tm_.tmAscent, tm_.tmDescent);
    return g;
}

}  // namespace ulmaro::platform::detail
